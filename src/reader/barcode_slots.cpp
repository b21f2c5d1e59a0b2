#include "reader/barcode_slots.h"

namespace tc {
namespace {

// clang-format off
constexpr SymbologySlot kOneDSlots[] = {
    {371, 1, "CODE39DLG_1D"},
    {372, 6, "ITALYPHARMADLG_1D"},
    {373, 8, "FRENCHPHARMADLG_1D"},
    {374, 10, "DISCRETE25DLG_1D"},
    {375, 17, "INTERLEAVE25DLG_1D"},
    {376, 24, "MATRIX25DLG_1D"},
    {377, 31, "CODABARDLG_1D"},
    {378, 33, "MSIDLG_1D"},
    {379, 39, "PLESSEYDLG_1D"},
    {380, 42, "UPCEDLG_1D"},
    {381, 46, ""},
    {382, 47, ""},
    {383, 48, "EAN8DLG_1D"},
    {384, 50, ""},
    {385, 51, ""},
    {386, 53, "EAN13DLG_1D"},
    {387, 57, ""},
    {388, 58, ""},
    {389, 62, "TELEPENDLG_1D"},
    {390, 64, "RSS14DLG_1D"},
    {391, 68, "RSSLIMITEDDLG_1D"},
    {392, 72, "RSSEXPANDEDDLG_1D"},
    {393, 74, ""},
    {394, 75, ""},
    {395, 76, "EAN128DLG_1D"},
    {396, 83, ""},
};

// The MSI slot has no dialog of its own on the page.
constexpr SymbologySlot kTwoDSlots[] = {
    {531, 191, "UPCADLG_2D"},
    {532, 192, "UPCEDLG_2D"},
    {533, 193, "UPCE1DLG_2D"},
    {534, 194, "EAN8DLG_2D"},
    {535, 195, "EAN13DLG_2D_4507"},
    {536, 196, ""},
    {537, 210, ""},
    {538, 211, "EAN128DLG_2D"},
    {539, 212, "ISBTDLG_2D"},
    {540, 213, "CODE39DLG_2D"},
    {541, 223, "CODE93DLG_2D"},
    {542, 244, "CODABARDLG_2D"},
    {543, 240, "DISCRETE25DLG_2D"},
    {544, 233, "INTERLEAVE25DLG_2D"},
    {545, 265, "RSS14DLG_2D"},
    {546, 266, ""},
    {547, 267, ""},
    {548, 250, ""},
    {549, 227, "CODE11DLG_2D"},
    {550, 300, "IMAGECAPTUREDLG_2D"},
    {560, 313, "MATRIX25_2D_4507"},
    {561, 320, ""},
    {562, 208, "COUPON_CODE_2D"},
};

constexpr SymbologySlot kElrSlots[] = {
    {451, 101, "UPCADLG_1D_ELR"},
    {452, 102, "UPCEDLG_1D_ELR"},
    {453, 103, "UPCE1DLG_1D_ELR"},
    {454, 104, "EAN8DLG_1D_ELR"},
    {455, 105, ""},
    {456, 106, ""},
    {457, 120, ""},
    {458, 121, "EAN128DLG_1D_ELR"},
    {459, 122, ""},
    {460, 123, "CODE39DLG_1D_ELR"},
    {461, 124, ""},
    {462, 133, "CODE93DLG_1D_ELR"},
    {463, 148, "CODABARDLG_1D_ELR"},
    {464, 144, "DISCRETE25DLG_1D_ELR"},
    {465, 137, "INTERLEAVE25DLG_1D_ELR"},
    {466, 161, "RSS14DLG_1D_ELR"},
    {467, 162, ""},
    {468, 163, ""},
    {469, 154, "MSIDLG_1D_ELR"},
};
// clang-format on

}  // namespace

std::span<const SymbologySlot> symbology_slots(ReaderMode mode) {
    switch (mode) {
        case ReaderMode::TwoD:
            return kTwoDSlots;
        case ReaderMode::Elr:
            return kElrSlots;
        case ReaderMode::OneD:
        case ReaderMode::None:
            break;
    }
    return kOneDSlots;
}

}  // namespace tc
