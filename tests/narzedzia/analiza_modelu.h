#pragma once

#include "instalacja.h"
#include "model.h"
#include "pret.h"

#include <gtest/gtest.h>

// The bar as the current model, analysed.
inline void przelicz_model(const OpisPreta& opis)
{
    usun_model();
    zainstaluj_model(zbuduj_tablice(opis));
}

// Each test leaves no model behind.
class ZModelem : public ::testing::Test {
protected:
    void TearDown() override { usun_model(); }
};
