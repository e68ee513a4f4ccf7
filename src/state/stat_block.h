#pragma once

#include <array>
#include <cstddef>

namespace tessarin {

// The fixed stat order of every soul-shield record. The first six are the synthesizable stats.
enum class Stat : int { Penetration = 0, Accuracy, Critical, Defence, Block, Evasion, MaxLife };
inline constexpr std::size_t kStatCount = 7;
inline constexpr std::size_t kSynthStatCount = 6;

struct StatBlock {
    double penetration = 0;
    double accuracy = 0;
    double critical = 0;
    double defence = 0;
    double block = 0;
    double evasion = 0;
    double maxLife = 0;

    double& operator[](Stat s) { return const_cast<double&>(static_cast<const StatBlock&>(*this)[s]); }
    const double& operator[](Stat s) const
    {
        switch (s) {
        case Stat::Penetration: return penetration;
        case Stat::Accuracy: return accuracy;
        case Stat::Critical: return critical;
        case Stat::Defence: return defence;
        case Stat::Block: return block;
        case Stat::Evasion: return evasion;
        case Stat::MaxLife: break;
        }
        return maxLife;
    }
    bool operator==(const StatBlock&) const = default;
};

inline constexpr std::array<Stat, kStatCount> kAllStats = {
    Stat::Penetration, Stat::Accuracy, Stat::Critical, Stat::Defence, Stat::Block, Stat::Evasion, Stat::MaxLife};

// Korean stat names as the program shows them, in stat order.
inline constexpr std::array<const char*, kStatCount> kStatNames = {"관통", "명중", "치명",      "방어",
                                                                   "막기", "회피", "최대생명력"};

} // namespace tessarin
