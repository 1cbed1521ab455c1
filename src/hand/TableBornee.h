#pragma once

#include <array>

namespace vasterel {

// A fixed array indexed from Lo to Hi inclusive, so that tables keep the index ranges their users
// rely on (PW[-1], CacheLevees[-1], seats 1 to 4) without offset arithmetic at every read.
template <typename T, int Lo, int Hi> struct TableBornee {
    static_assert(Hi >= Lo);
    std::array<T, Hi - Lo + 1> v{};

    constexpr T &operator[](int i) { return v[i - Lo]; }
    constexpr const T &operator[](int i) const { return v[i - Lo]; }
    static constexpr int bas() { return Lo; }
    static constexpr int haut() { return Hi; }
};

} // namespace vasterel
