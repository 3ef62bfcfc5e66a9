#pragma once
// The constants catalogue: five sections of physics in the order the section
// selector offers them, each an ordered list of one-line entries (UTF-8).
#include <array>
#include <span>

namespace data {

struct Section {
  const char* caption;
  std::span<const char* const> entries;
};

extern const char* const MechanicsEntries[5];
extern const char* const MolecularEntries[10];
extern const char* const ElectricityEntries[15];
extern const char* const MagnetismEntries[9];
extern const char* const AtomicEntries[14];

// Captions in selector order.
extern const char* const SectionCaptions[5];
// Sections in selector order: Mechanics, Molecular physics, Electricity and
// optics, Magnetizm, Atomic and nuclear physics.
extern const std::array<Section, 5> Sections;

}  // namespace data
