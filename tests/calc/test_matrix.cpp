// Matrix stacks of the radial ground model and the series helpers.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "calc/Erdsonden.h"

namespace {

using namespace qeb;

struct Stacks {
  MatrixStack a{}, b{}, c{};
  VectorStack x{}, y{};
};

// A diagonally dominant matrix of the Crank-Nicolson shape with a pass-through
// first and last row, filled by a simple deterministic pattern.
void FillTridiagonal(SegmentMatrix& m, int size, double seed) {
  for (int i = 0; i < size; ++i) {
    for (int j = 0; j < size; ++j) m[i][j] = 0.0;
  }
  m[0][0] = 1.0;
  m[size - 1][size - 1] = 1.0;
  for (int i = 1; i < size - 1; ++i) {
    const double kl = 0.3 + 0.1 * std::sin(seed + i);
    const double kr = 0.4 + 0.1 * std::cos(seed * i);
    m[i][i] = 2.0 + kl + kr;
    m[i][i - 1] = -kl;
    m[i][i + 1] = -kr;
  }
}

TEST(MatrixStack, IdentityInvertsToItselfAndOutsideIsUntouched) {
  auto s = std::make_unique<Stacks>();
  const int n = 5, size = n + 2, count = 3;
  for (int k = 0; k < kMaxSegmente; ++k) {
    for (int i = 0; i < kMatDim; ++i) {
      for (int j = 0; j < kMatDim; ++j) {
        s->a[k][i][j] = (i < size && j < size) ? (i == j ? 1.0 : 0.0) : 7.0;
        s->b[k][i][j] = -3.0;  // target sentinel outside the block
      }
    }
  }
  InvertMatrixStack(s->a, s->b, count, n);
  for (int k = 0; k < kMaxSegmente; ++k) {
    for (int i = 0; i < kMatDim; ++i) {
      for (int j = 0; j < kMatDim; ++j) {
        const bool inside = k < count && i < size && j < size;
        const double expect = inside ? (i == j ? 1.0 : 0.0) : -3.0;
        EXPECT_EQ(s->b[k][i][j], expect) << k << " " << i << " " << j;
      }
    }
  }
}

TEST(MatrixStack, InverseOfKnownMatrix) {
  auto s = std::make_unique<Stacks>();
  // [[4,1,0],[1,3,1],[0,1,2]] has determinant 18 and the inverse below.
  const double m[3][3] = {{4, 1, 0}, {1, 3, 1}, {0, 1, 2}};
  const double inv[3][3] = {{5.0 / 18, -2.0 / 18, 1.0 / 18},
                            {-2.0 / 18, 8.0 / 18, -4.0 / 18},
                            {1.0 / 18, -4.0 / 18, 11.0 / 18}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) s->a[1][i][j] = m[i][j];
  }
  s->a[0][0][0] = 2.0;
  s->a[0][1][1] = 4.0;
  s->a[0][2][2] = 0.5;
  // In place: source and target the same stack.
  InvertMatrixStack(s->a, s->a, 2, 1);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_NEAR(s->a[1][i][j], inv[i][j], 1e-15);
  }
  EXPECT_DOUBLE_EQ(s->a[0][0][0], 0.5);
  EXPECT_DOUBLE_EQ(s->a[0][1][1], 0.25);
  EXPECT_DOUBLE_EQ(s->a[0][2][2], 2.0);
}

TEST(MatrixStack, FullSizeInverseTimesMatrixIsIdentity) {
  auto s = std::make_unique<Stacks>();
  const int n = kMaxRadial, size = n + 2;
  for (int k = 0; k < kMaxSegmente; ++k) FillTridiagonal(s->a[k], size, 0.7 * k + 0.1);
  InvertMatrixStack(s->a, s->b, kMaxSegmente, n);
  MultiplyMatrixStack(s->b, s->a, s->c, n, kMaxSegmente);
  for (int k = 0; k < kMaxSegmente; ++k) {
    for (int i = 0; i < size; ++i) {
      for (int j = 0; j < size; ++j) {
        EXPECT_NEAR(s->c[k][i][j], i == j ? 1.0 : 0.0, 1e-13);
      }
    }
  }
}

TEST(MatrixStack, ZeroPivotIsRefused) {
  auto s = std::make_unique<Stacks>();
  // [[0,1],[1,0]] is regular but needs a row exchange, which the scheme does not make.
  s->a[0][0][1] = 1.0;
  s->a[0][1][0] = 1.0;
  EXPECT_THROW(InvertMatrixStack(s->a, s->b, 1, 0), CalcError);
  double m[2][2] = {{1.0, 2.0}, {2.0, 4.0}};  // singular
  EXPECT_THROW(GaussJordanInvert(&m[0][0], 2, 2), CalcError);
}

TEST(MatrixStack, ProductClearsAndMayOverwriteFactor) {
  auto s = std::make_unique<Stacks>();
  const int n = 1;  // 3 x 3 blocks
  const double a[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 10}};
  const double b[3][3] = {{2, 0, 1}, {1, 1, 0}, {0, 3, 1}};
  const double ab[3][3] = {{4, 11, 4}, {13, 23, 10}, {22, 38, 17}};
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      s->a[2][i][j] = a[i][j];
      s->b[2][i][j] = b[i][j];
      s->c[2][i][j] = 1e9;  // garbage that must be cleared
    }
  }
  MultiplyMatrixStack(s->a, s->b, s->c, n, 3);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(s->c[2][i][j], ab[i][j]);
  }
  // Result written over the first factor.
  MultiplyMatrixStack(s->a, s->b, s->a, n, 3);
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) EXPECT_EQ(s->a[2][i][j], ab[i][j]);
  }
  EXPECT_THROW(MultiplyMatrixStack(s->a, s->b, s->c, 13, 1), CalcError);
  EXPECT_THROW(MultiplyMatrixStack(s->a, s->b, s->c, 1, 11), CalcError);
}

TEST(MatrixStack, MatrixVectorPassesBoundariesThrough) {
  auto s = std::make_unique<Stacks>();
  const int n = 3, j = 4;
  for (int i = 0; i < kMatDim; ++i) {
    for (int k = 0; k < kMatDim; ++k) s->a[j - 1][i][k] = 1.0 + i + 10.0 * k;  // rows 0 and n+1 too
  }
  for (int k = 0; k < kMatDim; ++k) s->x[j][k] = k + 1.0;
  s->x[j][n + 2] = 1e6;  // outside the block: not used
  MultiplyMatrixVector(s->a, s->x, s->y, n, j);
  EXPECT_EQ(s->y[j][0], s->x[j][0]);
  EXPECT_EQ(s->y[j][n + 1], s->x[j][n + 1]);
  for (int i = 1; i <= n; ++i) {
    double sum = 0;
    for (int k = 0; k <= n + 1; ++k) sum += (1.0 + i + 10.0 * k) * (k + 1.0);
    EXPECT_DOUBLE_EQ(s->y[j][i], sum);
  }
  // Other segments are untouched.
  EXPECT_EQ(s->y[j - 1][1], 0.0);
  EXPECT_EQ(s->y[j + 1][1], 0.0);
}

TEST(MatrixStack, MatrixVectorInPlaceUsesTheOldVector) {
  // y = M x with y the same stack as x: every new cell comes from the old
  // values. M shifts the cells by one (y_i = x_(i-1)), so overwriting x while
  // summing would copy the fluid-side value all the way out.
  auto s = std::make_unique<Stacks>();
  const int n = 4, j = 2;
  for (int i = 1; i <= n; ++i) s->a[j - 1][i][i - 1] = 1.0;
  for (int k = 0; k <= n + 1; ++k) s->x[j][k] = 10.0 * (k + 1);
  MultiplyMatrixVector(s->a, s->x, s->x, n, j);
  const double expect[6] = {10, 10, 20, 30, 40, 60};
  for (int k = 0; k <= n + 1; ++k) EXPECT_EQ(s->x[j][k], expect[k]) << k;
}

TEST(MatrixStack, UniformFieldStaysUniformInPlace) {
  // A Crank-Nicolson step of a ring with equal temperatures everywhere
  // (inner and outer boundary included) leaves it unchanged: the rows of
  // inv(M_impl) * M_expl sum to 1.
  auto s = std::make_unique<Stacks>();
  const int n = 6, size = n + 2, j = 1;
  double C[8], K[9];
  for (int i = 1; i <= n; ++i) C[i] = 1e5 * i;
  for (int i = 1; i <= n + 1; ++i) K[i] = 3.0 + i;
  const double dt = 600.0;
  for (int i = 0; i < size; ++i) {
    for (int k = 0; k < size; ++k) s->a[0][i][k] = s->b[0][i][k] = 0.0;
  }
  s->a[0][0][0] = s->b[0][0][0] = 1.0;
  s->a[0][n + 1][n + 1] = s->b[0][n + 1][n + 1] = 1.0;
  for (int i = 1; i <= n; ++i) {
    s->a[0][i][i] = 2 * C[i] + (K[i] + K[i + 1]) * dt;
    s->a[0][i][i - 1] = -K[i] * dt;
    s->a[0][i][i + 1] = -K[i + 1] * dt;
    s->b[0][i][i] = 2 * C[i] - (K[i] + K[i + 1]) * dt;
    s->b[0][i][i - 1] = K[i] * dt;
    s->b[0][i][i + 1] = K[i + 1] * dt;
  }
  InvertMatrixStack(s->a, s->c, 1, n);
  MultiplyMatrixStack(s->c, s->b, s->c, n, 1);
  for (int k = 0; k < size; ++k) s->x[j][k] = 8.5;
  for (int step = 0; step < 100; ++step) MultiplyMatrixVector(s->c, s->x, s->x, n, j);
  for (int k = 0; k < size; ++k) EXPECT_NEAR(s->x[j][k], 8.5, 1e-11);
}

TEST(MatrixFactorial, FactorialAndIntPower) {
  EXPECT_EQ(Factorial(0), 1.0L);
  EXPECT_EQ(Factorial(-3), 1.0L);
  EXPECT_EQ(Factorial(1), 1.0L);
  EXPECT_EQ(Factorial(5), 120.0L);
  EXPECT_EQ(Factorial(12), 479001600.0L);
  // Beyond 32 bits the product stays exact instead of wrapping.
  EXPECT_EQ(Factorial(13), 6227020800.0L);
  EXPECT_EQ(Factorial(20), 2432902008176640000.0L);

  // Exponent first, base second.
  EXPECT_NEAR(static_cast<double>(IntPower(3, -2.0)), -8.0, 1e-14);
  EXPECT_NEAR(static_cast<double>(IntPower(2, -2.0)), 4.0, 1e-14);
  EXPECT_NEAR(static_cast<double>(IntPower(-2, 4.0)), 0.0625, 1e-16);
  EXPECT_NEAR(static_cast<double>(IntPower(-3, -0.5)), -8.0, 1e-14);
  EXPECT_EQ(IntPower(0, 5.0), 1.0L);
  EXPECT_EQ(IntPower(3, 0.0), 0.0L);
  EXPECT_EQ(IntPower(0, 0.0), 1.0L);
  EXPECT_THROW(IntPower(-1, 0.0), CalcError);
}

}  // namespace
