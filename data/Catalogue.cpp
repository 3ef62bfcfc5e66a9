#include "data/Catalogue.h"

namespace data {

// The entries are shown and copied exactly as written here: the double spaces,
// the old spellings, and the Cyrillic letters in "Light's speed с" (U+0441) and
// "С1" (U+0421) are part of the texts.

const char* const MechanicsEntries[5] = {
    "Light's speed с=2.99792458·10(+8) m/s",
    "Sound's speed in air  (n.c.)  a=331.46 m/s",
    "Gravitation constant  G=6.6732·10(-11) m(+3)/(kg·s(+2))",
    "Acceleration of gravity  g=9.80665 m/s(+2)",
    "Level of hearing  P0=0.00002 Pa",
};

const char* const MolecularEntries[10] = {
    "Avogadro's number Na=6.02217·10(+23) 1/mol",
    "Atomic mass unit  a.m.u.=1.66053·10(-27) kg",
    "Boltsman's constant  k=1.380622·10(-23) J/K",
    "Loshmidt's number  L0=2.6867·10(+25) m(-3)",
    "Standart volume of a mole of gas  V0=22.41 l/mol",
    "Molar gas constant  R=8.31434 J/(K·mol)",
    "Water's dencity (n.c.) p=999.973 kg/m(+3)",
    "Dencity of dry air  (n.c.) p=1.293 kg/m(+3)",
    "Temperature coefficient of a cubic dilatation of gases b=0.00366 K(-1)",
    "Tompson's across sections S0=6.65205·10(-29) m(+2)",
};

const char* const ElectricityEntries[15] = {
    "Elementar charge of electron  e=1.60219·10(-19) C",
    "Rest-mass of electron  m=9.10956·10(-31) kg",
    "Rest-mass of proton  Mp=1.6726513·10(-27) kg",
    "Rest-mass of neutron  Mn=1.6749575·10(-27) kg",
    "Rest-mass of muon  Mm=1.883566·10(-28) kg",
    "Relation  Mp/m=1836.11",
    "Specific charge of electron  e/m=1.76·10(+11) C/kg",
    // e/Mp from the e and Mp above: 1.60219e-19 / 1.6726513e-27 = 0.958e8.
    "Specific charge of proton  e/Mp=0.958·10(+8) C/kg",
    "Electrical constant  e0=0.885·10(-11) F/m",
    "Faradey's constant  F=0.9649·10(+5) C/mol",
    "Kerra's constant  B=2.2·10(-12) m/V(+2)",
    "Stephana-Boltsmana constant q=5.669·10(-8) W/(m(+2)·K(+4))",
    "Vin's constant  b=0.2897·10(-2) m·K",
    "First radiation's constant  С1=3.741832·10(-16) W·m(+2)",
    "Second radiation's constant  C2=0.01438786 m·K",
};

const char* const MagnetismEntries[9] = {
    "Magnetic constant  m0=1.257·10(-6) H/m",
    "Magnetic momentum of proton  mp=1.4106203·10(-26) J/T",
    "Magnetic momentum of electron  me=9.2848·10(-24) J/T",
    // The gyromagnetic ratio is an angular frequency per tesla.
    "Hyromagnetic relations of protons Gp=2.6751965·10(+8) rad/(s·T)",
    "Zeeman displacement on 1Gs  Z=4.66885·10(-3) 1/(m·Gs)",
    "Magnetic quantum stream  F0=2.06785·10(-15) Wb",
    "Rest-energy of neutron  En=939.5731 MeV",
    "Rest-energy of proton  Ep=938.2796 MeV",
    "Rest-energy of electron  Ee=0.5110034 MeV",
};

const char* const AtomicEntries[14] = {
    "Ridberg's constant  R=2.07·10(+16) 1/s",
    "Ridberg Ry=2.179874·10(-18) J",
    "Plank's constant  h=6.6262·10(-34) J·s",
    "Plank's constant  h^=1.05459·10(-34) J·s",
    "Fine structure constant  a(-1)=137.03597",
    "Bor's magneton  Mb=9.2741·10(-24) J/T",
    "Nuclear magneton Mn=5.0508·10(-27) J/T",
    "Compton's wave-length of electron  Lc=2.426·10(-12) m",
    "Compton's wave-length of electron  Lc^=3.86159·10(-13) m",
    "Classical electron radius  r=2.81794·10(-15) m",
    "First Bor's radius  r1=5.29177·10(-11) m",
    "g-factor of electron g/2=1.00115966",
    "Circulation quantum  h*=3.636945·10(-4) (J·s)/kg",
    "Jozefson's relation  2e/h=4.835939·10(+14) Hz/V",
};

const char* const SectionCaptions[5] = {
    "Mechanics", "Molecular physics", "Electricity and optics", "Magnetizm",
    "Atomic and nuclear physics",
};

const std::array<Section, 5> Sections = {{
    {SectionCaptions[0], MechanicsEntries},
    {SectionCaptions[1], MolecularEntries},
    {SectionCaptions[2], ElectricityEntries},
    {SectionCaptions[3], MagnetismEntries},
    {SectionCaptions[4], AtomicEntries},
}};

}  // namespace data
