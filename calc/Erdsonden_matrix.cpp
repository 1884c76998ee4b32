// Small dense matrices of the radial ground model, one per axial segment, and
// the two scalar helpers of the line-source series.
#include <cmath>
#include <cstring>

#include "calc/Erdsonden.h"

namespace qeb {

namespace {

// The leading block of a stack operation must fit the 14 x 14 storage.
int BlockSize(int n) {
  if (n < 0 || n + 2 > kMatDim) {
    throw CalcError("Radiale Zellenzahl ung\xFCltig  /  invalid number of radial cells");
  }
  return n + 2;
}

void CheckCount(int count) {
  if (count > kMaxSegmente) {
    throw CalcError("Axiale Zellenzahl ung\xFCltig  /  invalid number of axial cells");
  }
}

}  // namespace

void GaussJordanInvert(double* a, int size, int stride) {
  auto at = [a, stride](int i, int j) -> double& { return a[i * stride + j]; };
  for (int k = 0; k < size; ++k) {
    const double p = at(k, k);
    // Without pivoting a vanishing pivot would divide by zero; the ground
    // matrices are diagonally dominant, so this only trips on bad input.
    if (p == 0.0 || !std::isfinite(p)) {
      throw CalcError("Matrix singul\xE4r  /  singular matrix");
    }
    for (int j = 0; j < size; ++j) at(k, j) = -at(k, j) / p;
    for (int i = 0; i < size; ++i) {
      if (i == k) continue;
      const double aik = at(i, k);
      for (int j = 0; j < size; ++j) {
        if (j == k) continue;
        at(i, j) = at(i, j) + at(k, j) * aik;
      }
    }
    for (int i = 0; i < size; ++i) at(i, k) = at(i, k) / p;
    at(k, k) = 1.0 / p;
  }
}

void InvertMatrixStack(const MatrixStack& source, MatrixStack& target, int count, int n) {
  const int size = BlockSize(n);
  CheckCount(count);
  for (int s = 0; s < count; ++s) {
    if (&source != &target) {
      for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j) target[s][i][j] = source[s][i][j];
      }
    }
    GaussJordanInvert(&target[s][0][0], size, kMatDim);
  }
}

void MultiplyMatrixStack(const MatrixStack& a, const MatrixStack& b, MatrixStack& c, int n,
                         int count) {
  const int size = BlockSize(n);
  CheckCount(count);
  for (int s = 0; s < count; ++s) {
    // Formed in a scratch block so that c may be one of the factors.
    SegmentMatrix r;
    for (int i = 0; i < size; ++i) {
      for (int j = 0; j < size; ++j) {
        long double sum = 0.0L;
        for (int k = 0; k < size; ++k) {
          sum += static_cast<long double>(a[s][i][k]) * b[s][k][j];
        }
        r[i][j] = static_cast<double>(sum);
      }
    }
    for (int i = 0; i < size; ++i) {
      for (int j = 0; j < size; ++j) c[s][i][j] = r[i][j];
    }
  }
}

void MultiplyMatrixVector(const MatrixStack& m, const VectorStack& x, VectorStack& y, int n,
                          int j) {
  const int size = BlockSize(n);
  if (j < 1 || j > kMaxSegmente) {
    throw CalcError("Segmentnummer ung\xFCltig  /  invalid segment number");
  }
  const SegmentMatrix& mj = m[j - 1];
  // Every new cell is formed from the old vector before any is stored.
  SegmentVector old;
  std::memcpy(old, x[j], sizeof old);
  for (int i = 1; i <= n; ++i) {
    long double sum = 0.0L;
    for (int k = 0; k < size; ++k) sum += static_cast<long double>(mj[i][k]) * old[k];
    y[j][i] = static_cast<double>(sum);
  }
  y[j][0] = old[0];
  y[j][n + 1] = old[n + 1];
}

long double Factorial(int k) {
  // Exact up to 20!; the product is not limited to 32 bits.
  long double f = 1.0L;
  for (int i = 2; i <= k; ++i) f *= i;
  return f;
}

long double IntPower(int k, double x) {
  if (x == 0.0) {
    if (k > 0) return 0.0L;
    if (k == 0) return 1.0L;
    throw CalcError("Potenz von 0 ung\xFCltig  /  invalid power of 0");
  }
  const long double v = std::exp(static_cast<long double>(k) * std::log(std::fabs(static_cast<long double>(x))));
  return (x < 0.0 && (k % 2 != 0)) ? -v : v;
}

}  // namespace qeb
