#include "core/ClassPPL.h"

namespace {

// Mnemonic tables by group; the first character flags floating-point rows.
constexpr std::string_view kGrupo0[] = {
    "*ABSF", " ABSI", " ADDC", "*ADDF", " ADDI", " AND", " ANDN", " ASH", "*CMPF", " CMPI",
    "*FIX", " FLOAT", " IDLE", "*LDE", "*LDF", "*LDFI", " LDI", " LDII", "*LDM", " LSH",
    "*MPYF", " MPYI", " NEGB", "*NEGF", " NEGI", " NOP", "*NORM", " NOT", " POP", "*POPF",
    " PUSH", "*PUSHF", " OR", " LOPOWER(ó)MAXSPEED", "*RND", " ROL", " ROLC", " ROR", " RORC",
    " RPTS", "*STF", "*STFI", " STI", " STII", " SIGI", " SUBB", " SUBC", "*SUBF", " SUBI",
    " SUBRB", "*SUBRF", " SUBRI", " TSTB", " XOR", " IACK"};
constexpr std::string_view kGrupo1[] = {
    " ADDC3", "*ADDF3", " ADDI3", " AND3", " ANDN3", " ASH3", "*CMPF3", " CMPI3", " LSH3",
    "*MPYF3", " MPYI3", " OR3", " SUBB3", "*SUBF3", " SUBI3", " TSTB3", " XOR3"};
// Group 2 rows are numbered 4 and 5.
constexpr std::string_view kGrupo2[] = {"*LDFCond", " LDICond"};
constexpr std::string_view kGrupo3[] = {
    " BR(D)", " CALL", " RPTB", " SWI", " Bcond(D)", " Bcond(D)", " DBcond(D)", " DBcond(D)",
    " CALLcond", " CALLcond", " TRAPcond", " RETScond", " RETIcond"};
constexpr std::string_view kGrupo4[] = {
    "*MPYF3||ADDF3", "*MPYF3||SUBF3", " MPYI3||ADDI3", " MPYI3||SUBI3"};
constexpr std::string_view kGrupo67[] = {
    "*STF||STF", " STI||STI", "*LDF||LDF", " LDI||LDI", "*ABSF||STF", " ABSI||STI",
    "*ADDF3||STF", " ADDI3||STI", " AND3||STI", " ASH3||STI", " FIX||STI", "*FLOAT||STF",
    "*LDF||STF", " LDI||STI", " LSH3||STI", "*MPYF3||STF", " MPYI3||STI", "*NEGF||STF",
    " NEGI||STI", " NOT||STI", " OR3||STI", "*SUBF3||STF", " SUBI3||STI", " XOR3||STI"};

static_assert(std::size(kGrupo0) == 55 && std::size(kGrupo1) == 17 &&
              std::size(kGrupo3) == 13 && std::size(kGrupo4) == 4 && std::size(kGrupo67) == 24);

constexpr std::string_view kErr = " <ERR>";

// Every (group, row) of groups 0-7 and rows 0-63 (all that the decoders can
// extract) resolved once, so a look-up is a single index.
struct TablaNemonicos {
    FilaNemonico filas[8][64];
    constexpr TablaNemonicos() {
        for (auto& grupo : filas)
            for (auto& fila : grupo) fila = FilaNemonico{kErr, kErr.substr(1), -1};
        Copiar(0, 0, kGrupo0);
        Copiar(1, 0, kGrupo1);
        Copiar(2, 4, kGrupo2);
        Copiar(3, 0, kGrupo3);
        Copiar(4, 0, kGrupo4);
        Copiar(6, 0, kGrupo67);
        Copiar(7, 0, kGrupo67);
    }
    template <std::size_t N>
    constexpr void Copiar(int grupo, int primera, const std::string_view (&tabla)[N]) {
        for (std::size_t i = 0; i < N; ++i)
            filas[grupo][primera + i] = {tabla[i], tabla[i].substr(1),
                                         static_cast<int16_t>(tabla[i][0] == '*' ? 1 : 0)};
    }
};
constexpr TablaNemonicos kNemonicos{};

// Fresh records are copied from this one: cheaper than building a temporary.
const ClassUnitData kRegistroNuevo{};

}  // namespace

constexpr FilaNemonico FilaNemonico::kQueFalta{kErr, kErr.substr(1), -1};
constinit const FilaNemonico (&kFilasNemonico)[8][64] = kNemonicos.filas;

std::string_view ClassPPL::Nemonico(int32_t grupo, int32_t fila) {
    return FilaNemonico::De(grupo, fila).texto;
}

ClassPPL::ClassPPL() {
    Distintos();
    etapas_[0]->lCanal = canal::kEnBusqueda;
}

void ClassPPL::Distintos() {
    for (int i = 0; i < 4; ++i) {
        registros_[i] = kRegistroNuevo;
        etapas_[i] = &registros_[i];
    }
}

void ClassPPL::Compartido() {
    registros_[0] = kRegistroNuevo;
    etapas_.fill(&registros_[0]);
}

void ClassPPL::Actualizar(int16_t modo) {
    if (modo == 0) {
        if (modo == iUltimoModo_) {
            // The record leaving the execute stage is reused for the fetch.
            ClassUnitData* libre = etapas_[3];
            etapas_[3] = etapas_[2];
            etapas_[2] = etapas_[1];
            etapas_[1] = etapas_[0];
            *libre = kRegistroNuevo;
            etapas_[0] = libre;
        } else {
            Distintos();
            iSaltosRetardo = 0;
        }
    } else if (modo == 1) {
        if (modo != iUltimoModo_) iSaltosRetardo = 0;
        Compartido();
    }
    etapas_[0]->lCanal = canal::kEnBusqueda;
    iUltimoModo_ = modo;
}

ClassUnitData* ClassPPL::Unidades(int16_t etapa) {
    return (etapa >= 0 && etapa < 4) ? etapas_[etapa] : nullptr;
}

void ClassPPL::VaciarPPL() {
    if (iUltimoModo_ == 1)
        Compartido();
    else
        Distintos();  // mode 0, and any other mode, so a stage is never left without a record
    iSaltosRetardo = 0;
}
