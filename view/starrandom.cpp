#include "view/starrandom.h"

#include <chrono>

int StarRandom::Random(int n)
{
    if (n <= 0)
        return 0;
    return std::uniform_int_distribution<int>(0, n - 1)(m_engine);
}

void StarRandom::seedFromClock()
{
    seed(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count()));
}
