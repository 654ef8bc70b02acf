#include "lumetra/message/registered_documents.h"

namespace lumetra {

namespace {

TDocManager Build() {
    TDocManager manager;
    manager.Register(0x3133, "C4F0E0E2E5EDE0", 'N',
                     {
                         {"1", 0, "1", "VidDoc", 8, 0},
                         {"A", 0, "2", "NumDoc", 20, 0},
                         {"B", 0, "3", "DatDoc", 16, kFieldFlagDate},
                         {"C", 0, "4", "Publisher", 2, 0},
                         {"D", 0, "5", "Kontrag", 255, 0},
                         {"E", 0, "6", "Ispolnit", 255, 0},
                         {"F", 0, "7", "RegNum", 20, 0},
                         {"0", 0, "8", "Podval", 1024, 0},
                         {"", 0x4000004, "7", "INDEX", 0, 0},
                         {"", 0x4000001, "2", "DOCNUM", 0, 0},
                         {"", 0x4000003, "3", "DOCDATE", 0, kFieldFlagDate},
                         {"", 0x4000007, "911", "DBNAME", 0, 0},
                         {"", 0x4000007, "1", "VID_DOC", 0, 0},
                     });
    manager.Register(
        0x304A, "CEEFE8F1FC20EDE020E4E5EDE5E6EDF3FE20EDE0EBE8F7EDEEF1F2FC2FF6E5EDEDEEF1F2E8", 'N',
        {
            {"", 0, "41", "NOM_SUM", 0, 0},
            {"", 0, "2", "Date_doc", 0, kFieldFlagDate},
            {"", 0, "3", "BANK_OTPR", 0, 0},
            {"", 0, "43", "NOM_FIL", 0, 0},
            {"", 0, "5", "Bank_pol", 0, 0},
            {"", 0, "42", "NOM_PL", 0, 0},
            {"", 0, "8", "All_sum", 0, 0},
            {"", 0, "10", "Kassir", 0, 0},
            {"", 0, "30", "Table", 0, kFieldFlagTable},
            {"", 0, "1", "Vid_Doc", 1, 0},
            {"", 0, "7", "Kod_otpr", 4, 0},
        });
    return manager;
}

} // namespace

const TDocManager& DocumentTypes() {
    static const TDocManager manager = Build();
    return manager;
}

} // namespace lumetra
