#include "analiza.h"
#include "model.h"

#include <cmath>

// Every formula is evaluated in double from float operands and rounded to
// float where it is stored.
void Macierze()
{
    for (int j = 1; j <= il_wezl; ++j) {
        f[j] = si[j];
        s[j][1] = 0.0f;
        s[j][2] = 0.0f;
    }
    for (int i = 1; i <= il_elem; ++i) {
        const int i1 = i, i2 = i + 1;
        const float x21 = float(double(x[i2]) - x[i1]);                         // signed length
        const float el = float(std::fabs(double(x21)));                          // length
        const float eal = float(double(e[i]) * a[i] / el);                       // E·A/L
        const float tl = float(double(e[i]) * alp[i] * dt[i] * a[i] * el / x21); // E·A·α·ΔT
        f[i1] = float(double(f[i1]) - tl);
        f[i2] = float(double(f[i2]) + tl);
        s[i1][1] = float(double(s[i1][1]) + eal);
        s[i2][1] = float(double(s[i2][1]) + eal);
        s[i1][2] = float(double(s[i1][2]) - eal);
    }
    // Stiff enough to hold a support, small enough for float pivots to stay usable.
    cnst = 1.0e10f;
    for (int p = 1; p <= il_podpor; ++p) {
        const int w = nu[p];
        s[w][1] = float(double(s[w][1]) + cnst);
        f[w] = float(double(f[w]) + double(cnst) * u[p]);
    }
}
