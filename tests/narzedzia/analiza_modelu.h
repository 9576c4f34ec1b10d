#pragma once

#include "analiza.h"
#include "model.h"
#include "pret.h"

#include <gtest/gtest.h>

// The bar as the current model, analysed.
inline void przelicz_model(const OpisPreta& opis)
{
    ustaw_model(opis);
    Macierze();
    Oblicz();
}

// Each test leaves no model behind.
class ZModelem : public ::testing::Test {
protected:
    void TearDown() override { usun_model(); }
};
