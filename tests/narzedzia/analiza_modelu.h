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

// One steel element of length 1 between two walls, heated by 1 degree:
// E·α·ΔT = 200 exactly, the analysis gives -199.99 (the penalty springs give).
inline OpisPreta pret_ogrzany_miedzy_scianami()
{
    OpisPreta opis;
    opis.x = {0.0f, 1.0f};
    opis.a = {1.0f};
    opis.e = {200000.0f};
    opis.alp = {0.001f};
    opis.dt = {1.0f};
    opis.podpory = {{1, 0.0f}, {2, 0.0f}};
    return opis;
}
