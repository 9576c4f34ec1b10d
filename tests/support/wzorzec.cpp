#include "wzorzec.h"

#include <algorithm>
#include <cmath>

void macierze_wzorcowe(Tablice& t, float& kara)
{
    for (int j = 1; j <= t.il_wezl; ++j) {
        t.f[j] = t.si[j];
        t.s[j][1] = 0.0f;
        t.s[j][2] = 0.0f;
    }
    for (int i = 1; i <= t.il_elem; ++i) {
        const int i1 = i, i2 = i + 1;
        const float x21 = float(double(t.x[i2]) - double(t.x[i1]));
        const float el = float(std::fabs(double(x21)));
        const float eal = float(double(t.e[i]) * double(t.a[i]) / double(el));
        const float tl = float(double(t.e[i]) * double(t.alp[i]) * double(t.dt[i]) * double(t.a[i]) *
                               double(el) / double(x21));
        t.f[i1] = float(double(t.f[i1]) - double(tl));
        t.f[i2] = float(double(t.f[i2]) + double(tl));
        t.s[i1][1] = float(double(t.s[i1][1]) + double(eal));
        t.s[i2][1] = float(double(t.s[i2][1]) + double(eal));
        t.s[i1][2] = float(double(t.s[i1][2]) - double(eal));
    }
    for (int i = 1; i <= t.il_elem; ++i) { // q·L/2 at each end; a zero term is no term
        const float el = float(std::fabs(double(float(double(t.x[i + 1]) - double(t.x[i])))));
        const float pol = float(double(t.q(i)) * double(el) / 2.0);
        if (pol != 0.0f) {
            t.f[i] = float(double(t.f[i]) + double(pol));
            t.f[i + 1] = float(double(t.f[i + 1]) + double(pol));
        }
    }
    for (int j = 1; j <= t.il_wezl; ++j)
        if (t.k(j) != 0.0f)
            t.s[j][1] = float(double(t.s[j][1]) + double(t.k(j)));
    kara = 1.0e10f;
    for (int k = 1; k <= t.il_podpor; ++k) {
        const int n = t.nu[k];
        t.s[n][1] = float(double(t.s[n][1]) + double(kara));
        t.f[n] = float(double(t.f[n]) + double(kara) * double(t.u[k]));
    }
}

void oblicz_wzorcowe(Tablice& t, float kara)
{
    float** sm = t.s;
    float* fv = t.f;
    const int n = t.il_wezl;
    for (int k = 1; k <= n - 1; ++k) {
        const int nbk = std::min(n - k + 1, 2);
        for (int i = k + 1; i <= k + nbk - 1; ++i) {
            const int i1 = i - k + 1;
            const float c = float(double(sm[k][i1]) / double(sm[k][1]));
            for (int j = i; j <= k + nbk - 1; ++j) {
                const int j1 = j - i + 1, j2 = j - k + 1;
                sm[i][j1] = float(double(sm[i][j1]) - double(c) * double(sm[k][j2]));
            }
            fv[i] = float(double(fv[i]) - double(c) * double(fv[k]));
        }
    }
    fv[n] = float(double(fv[n]) / double(sm[n][1]));
    for (int ii = 1; ii <= n - 1; ++ii) {
        const int i = n - ii;
        const int nbi = std::min(n - i + 1, 2);
        float sum = 0.0f;
        for (int j = 2; j <= nbi; ++j)
            sum = float(double(sum) + double(sm[i][j]) * double(fv[i + j - 1]));
        fv[i] = float((double(fv[i]) - double(sum)) / double(sm[i][1]));
    }
    for (int i = 1; i <= t.il_elem; ++i)
        t.stress[i] = float(((double(fv[i + 1]) - double(fv[i])) / (double(t.x[i + 1]) - double(t.x[i])) -
                             double(t.alp[i]) * double(t.dt[i])) *
                            double(t.e[i]));
    for (int k = 1; k <= t.il_podpor; ++k)
        t.react[k] = float((double(t.u[k]) - double(fv[t.nu[k]])) * double(kara));
}
