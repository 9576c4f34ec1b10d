#include "analiza.h"
#include "model.h"

// Gaussian elimination of the half-bandwidth-2 band without pivoting: the
// penalised stiffness matrix is positive definite for any model the entry
// dialogs accept.
void Oblicz(const std::function<void(int)>& postep)
{
    if (postep)
        postep(1);
    const int n = il_wezl;
    for (int k = 1; k <= n - 1; ++k) {
        const float c = float(double(s[k][2]) / s[k][1]);
        s[k + 1][1] = float(double(s[k + 1][1]) - double(c) * s[k][2]);
        f[k + 1] = float(double(f[k + 1]) - double(c) * f[k]);
    }
    if (postep)
        postep(50);
    f[n] = float(double(f[n]) / s[n][1]);
    for (int i = n - 1; i >= 1; --i) {
        const float sum = float(0.0 + double(s[i][2]) * f[i + 1]);
        f[i] = float((double(f[i]) - sum) / s[i][1]);
    }
    for (int i = 1; i <= il_elem; ++i)
        stress[i] = float(((double(f[i + 1]) - f[i]) / (double(x[i + 1]) - x[i]) -
                           double(alp[i]) * dt[i]) * e[i]);
    for (int p = 1; p <= il_podpor; ++p)
        react[p] = float((double(u[p]) - f[nu[p]]) * cnst);
}
