#include "pochodne.h"

#include "model.h"

#include <cmath>

WielkosciElementu wielkosci_elementu(int i)
{
    const double x21 = double(x[i + 1]) - x[i];
    const double dl = double(f[i + 1]) - f[i];
    const double eps = dl / x21;
    const double eps_t = double(alp[i]) * dt[i];
    return {std::fabs(x21), double(stress[i]) * a[i], eps, eps_t, eps - eps_t, dl};
}
