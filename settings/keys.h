#pragma once

#include <array>
#include <string_view>

// The sections and keys of the settings file, with the values each of its writers and readers
// falls back on.
namespace ini {

inline constexpr std::string_view kFileName = "Pendrova.ini";
// The start-up existence test spells the name this way; names are found without regard to case.
inline constexpr std::string_view kExistenceTestName = "Pendrova.Ini";
inline constexpr std::string_view kBatchFile = "IMPRIMIR.BAT";

inline constexpr std::string_view kConfig = "Config";
inline constexpr std::string_view kImpressora = "Impressora";
inline constexpr std::string_view kMargens = "MargemOcultaZebra";

struct Entry {
    std::string_view key;
    std::string_view value;
};

// What a first start writes into "Impressora", in this order; "Path" takes the program folder.
inline constexpr std::array<Entry, 9> kImpressoraDefaults{{
    {"Linguagem", "ZPL"},
    {"Porta", "Paralela"},
    {"PortaSerial", "Com1"},
    {"ConfiguracaoPortaSerial", "9800,N,8,1"},
    {"PortaParalela", "LPT1"},
    {"PortaParalelaUSB", "LPT1"},
    {"NomeCompartilhamento", "Zebra"},
    {"Path", ""},
    {"TipoOculta", "3"},
}};

// The margins of the running labels, in millimetres with a decimal comma.
struct MarginKey {
    std::string_view key;
    std::string_view fileDefault;    // written at a first start
    float printFallback;             // used by a print run when the file or the key is missing or blank
    std::string_view dialogStandard; // shown and saved by the margin dialogs for an empty box
};

inline constexpr MarginKey kMargemOculta1{"Margem_oculta1", "0", 3.0f, "3"};
inline constexpr MarginKey kMargemOculta11{"Margem_oculta11", "40", 45.0f, "45"};
inline constexpr MarginKey kMargemOculta2{"Margem_oculta2", "2,2", 3.0f, "3"};
inline constexpr MarginKey kMx4045_1{"Mx4045_1", "0", 0.0f, "0"};
inline constexpr MarginKey kMx4045_2{"Mx4045_2", "40", 40.0f, "40"};
inline constexpr MarginKey kMx4045{"Mx4045", "2,2", 3.0f, "3"};
inline constexpr MarginKey kPackX{"PackX", "2,2", 3.0f, "3"};
inline constexpr MarginKey kPackY{"PackY", "2,1", 3.0f, "3"};

// In the order a first start writes them.
inline constexpr std::array<MarginKey, 8> kMarginDefaults{
    kMargemOculta1, kMargemOculta11, kMargemOculta2, kMx4045_1, kMx4045_2, kMx4045, kPackX, kPackY};

// Margins of the printer-language labels, in printer dots: the standard value each dialog saves
// for an empty box and each reader uses for an empty key.
struct DotsKey {
    std::string_view key;
    int standard;
};

inline constexpr std::array<DotsKey, 4> kZplOculta3{{
    {"Margem_oculta_zpl_1", 55},
    {"Margem_oculta_zpl_2", 305},
    {"Margem_oculta_zpl_3", 570},
    {"Margem_oculta_zpl_3_superior", 30},
}};
inline constexpr std::array<DotsKey, 8> kZplOculta7Columns{{
    {"Margem_oculta_zpl_71", 40},
    {"Margem_oculta_zpl_72", 160},
    {"Margem_oculta_zpl_73", 280},
    {"Margem_oculta_zpl_74", 400},
    {"Margem_oculta_zpl_75", 520},
    {"Margem_oculta_zpl_76", 640},
    {"Margem_oculta_zpl_77", 760},
    {"Margem_oculta_zpl_78", 880},  // 8-across only
}};
inline constexpr DotsKey kZplOculta7Top{"Margem_oculta_zpl_7_superior", 70};
inline constexpr DotsKey kZplOculta8Top{"Margem_oculta_zpl_8_superior", 70};
inline constexpr std::array<DotsKey, 3> kPplaOculta3{{
    {"Margem_oculta_ppla_1", 22},
    {"Margem_oculta_ppla_2", 150},
    {"Margem_oculta_ppla_3", 275},
}};
inline constexpr std::array<DotsKey, 3> kZplFrente{{
    {"Margem_frente_zpl_1", 25},
    {"Margem_frente_zpl_2", 340},
    {"Margem_frente_zpl_2_superior", 10},
}};
// Read by the margin readers only; nothing writes them.
inline constexpr std::array<DotsKey, 7> kPplaOculta7{{
    {"Margem_oculta_ppla_71", 22},
    {"Margem_oculta_ppla_72", 150},
    {"Margem_oculta_ppla_73", 275},
    {"Margem_oculta_ppla_74", 275},
    {"Margem_oculta_ppla_75", 275},
    {"Margem_oculta_ppla_76", 275},
    {"Margem_oculta_ppla_77", 275},
}};
inline constexpr std::array<DotsKey, 2> kPplaFrente{{
    {"Margem_frente_ppla_1", 4},
    {"Margem_frente_ppla_2", 160},
}};
inline constexpr std::array<DotsKey, 3> kZplFrenteA{{
    {"Margem_frente_zpl_A1", 260},
    {"Margem_frente_zpl_A2", 610},
    {"Margem_frente_zpl_A2_superior", 25},
}};
inline constexpr std::array<DotsKey, 2> kPplaFrenteA{{
    {"Margem_frente_ppla_A1", 4},
    {"Margem_frente_ppla_A2", 160},
}};
inline constexpr std::array<DotsKey, 4> kCorrugada{{
    {"Margem_Corrugada_zpl", 25},
    {"Margem_Corrugada_ZPL_Superior", 70},
    {"Margem_Corrugada_ppla", 19},
    {"Margem_Corrugada_PPLA_Superior", 58},
}};

}  // namespace ini
