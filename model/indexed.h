// Fixed-capacity tables indexed the way the engineering tables are written:
// from 1 (or another first index, such as 0 for pile stations) to a capacity.
#pragma once
#include <cstddef>
#include <cstdio>
#include <cstdlib>

namespace kavro {

#if defined(KAVRO_CHECKED_INDEX)
[[noreturn]] inline void index_out_of_range(long i, long lo, long hi) {
  std::fprintf(stderr, "kavro: table index %ld outside %ld..%ld\n", i, lo, hi);
  std::abort();
}
#endif

// Indexed<T, N> holds entries Lo..Lo+N-1 (default 1..N). Bounds are checked
// in debug and sanitizer builds and free in release builds.
template <class T, int N, int Lo = 1>
struct Indexed {
  static_assert(N > 0);
  T v[N]{};

  static constexpr int first() { return Lo; }
  static constexpr int last() { return Lo + N - 1; }
  static constexpr int capacity() { return N; }

  T& operator[](int i) {
#if defined(KAVRO_CHECKED_INDEX)
    if (i < Lo || i > Lo + N - 1) index_out_of_range(i, Lo, Lo + N - 1);
#endif
    return v[i - Lo];
  }
  const T& operator[](int i) const {
#if defined(KAVRO_CHECKED_INDEX)
    if (i < Lo || i > Lo + N - 1) index_out_of_range(i, Lo, Lo + N - 1);
#endif
    return v[i - Lo];
  }
  void fill(const T& x) {
    for (auto& e : v) e = x;
  }
  T* begin() { return v; }
  T* end() { return v + N; }
  const T* begin() const { return v; }
  const T* end() const { return v + N; }
};

// Two-dimensional table, both indices from 1: Indexed2<T, R, C>[r][c] reads
// as table(r, c).
template <class T, int R, int C>
using Indexed2 = Indexed<Indexed<T, C>, R>;

}  // namespace kavro
