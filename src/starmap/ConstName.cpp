#include "starmap/ConstName.h"

const char* const ConstName[2 * kConstellationCount] = {
    "Ursa Minor", "UMI", // 1
    "Ursa Major", "UMA", // 2
    "Canes Venatici", "CVN", // 3
    "Crux", "CRU", // 4
    "Corvus", "CRV", // 5
    "Cygnus", "CYG", // 6
    "Aries", "ARI", // 7
    "Canis Minor", "CMI", // 8
    "Pyxis", "PYX", // 9
    "Lyra", "LYR", // 10
    "Orion", "ORI", // 11
    "Leo", "LEO", // 12
    "Libra", "LIB", // 13
    "Capricornus", "CAP", // 14
    "Gemini", "GEM", // 15
    "Sculptor", "SCL", // 16
    "Fornax", "FOR", // 17
    "Microscopium", "MIC", // 18
    "Cancer", "CNC", // 19
    "Delphinus", "DEL", // 20
    "Sagitta", "SGE", // 21
    "Sextans", "SEX", // 22
    "Corona Borealis", "CRB", // 23
    "Cassiopeia", "CAS", // 24
    "Triangulum", "TRI", // 25
    "Draco", "DRA", // 26
    "Crater", "CRT", // 27
    "Scutum", "SCT", // 28
    "Equuleus", "EQU", // 29
    "Antlia", "ANT", // 30
    "Columba", "COL", // 31
    "Cepheus", "CEP", // 32
    "Piscis Austrinus", "PSA", // 33
    "Corona Australis", "CRA", // 34
    "Sagittarius", "SGR", // 35
    "Lepus", "LEP", // 36
    "Auriga", "AUR", // 37
    "Taurus", "TAU", // 38
    "Perseus", "PER", // 39
    "Canis Major", "CMA", // 40
    "Monoceros", "MON", // 41
    "Pegasus", "PEG", // 42
    "Andromeda", "AND", // 43
    "Triangulum Australe", "TRA", // 44
    "Norma", "NOR", // 45
    "Lupus", "LUP", // 46
    "Scorpius", "SCO", // 47
    "Eridanus", "ERI", // 48
    "Virgo", "VIR", // 49
    "Aquarius", "AQR", // 50
    "Pisces", "PSC", // 51
    "Hydra", "HYA", // 52
    "Tucana", "TUC", // 53
    "Pictor", "PIC", // 54
    "Reticulum", "RET", // 55
    "Phoenix", "PHE", // 56
    "Indus", "IND", // 57
    "Horologium", "HOR", // 58
    "Circinus", "CIR", // 59
    "Apus", "APS", // 60
    "Puppis", "PUP", // 61
    "Vela", "VEL", // 62
    "Carina", "CAR", // 63
    "Grus", "GRU", // 64
    "Musca", "MUS", // 65
    "Ara", "ARA", // 66
    "Volans", "VOL", // 67
    "Chamaeleon", "CHA", // 68
    "Octans", "OCT", // 69
    "Pavo", "PAV", // 70
    "Hydrus", "HYI", // 71
    "Mensa", "MEN", // 72
    "Dorado", "DOR", // 73
    "Caelum", "CAE", // 74
    "Coma Berenices", "COM", // 75
    "Hercules", "HER", // 76
    "Bootes", "BOO", // 77
    "Centaurus", "CEN", // 78
    "Serpens (Cauda)", "SER", // 79
    "Serpens (Caput)", "SER", // 80
    "Ophiuchus", "OPH", // 81
    "Cetus", "CET", // 82
    "Aquila", "AQL", // 83
    "Lacerta", "LAC", // 84
    "Vulpecula", "VUL", // 85
    "Leo Minor", "LMI", // 86
    "Lynx", "LYN", // 87
    "Camelopardalis", "CAM", // 88
    "Telescopium", "TEL", // 89
};
