#include "core/ClassPPL.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include "core/ClassMemoria.h"
#include "core/ClassRegistrosCPU.h"
#include "core/FilasInstruccion.h"
#include "core/UnidadEjecucion.h"
#include "data/DatosPrograma.h"

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

// The row names of core/FilasInstruccion.h: each names the row of its text,
// and the names of a table name each of its rows once.
struct NombreFila {
    int32_t fila;
    std::string_view nem;
};
template <std::size_t N, std::size_t M>
constexpr bool Nombran(const std::string_view (&tabla)[N], int32_t primera,
                       const NombreFila (&nombres)[M]) {
    bool visto[N] = {};
    for (const NombreFila& n : nombres) {
        const int32_t i = n.fila - primera;
        if (i < 0 || i >= static_cast<int32_t>(N) || visto[i] || tabla[i].substr(1) != n.nem)
            return false;
        visto[i] = true;
    }
    return M == N;
}
namespace g0 = grupo0;
static_assert(Nombran(kGrupo0, 0, {
    {g0::ABSF, "ABSF"}, {g0::ABSI, "ABSI"}, {g0::ADDC, "ADDC"}, {g0::ADDF, "ADDF"},
    {g0::ADDI, "ADDI"}, {g0::AND, "AND"}, {g0::ANDN, "ANDN"}, {g0::ASH, "ASH"},
    {g0::CMPF, "CMPF"}, {g0::CMPI, "CMPI"}, {g0::FIX, "FIX"}, {g0::FLOAT, "FLOAT"},
    {g0::IDLE, "IDLE"}, {g0::LDE, "LDE"}, {g0::LDF, "LDF"}, {g0::LDFI, "LDFI"},
    {g0::LDI, "LDI"}, {g0::LDII, "LDII"}, {g0::LDM, "LDM"}, {g0::LSH, "LSH"},
    {g0::MPYF, "MPYF"}, {g0::MPYI, "MPYI"}, {g0::NEGB, "NEGB"}, {g0::NEGF, "NEGF"},
    {g0::NEGI, "NEGI"}, {g0::NOP, "NOP"}, {g0::NORM, "NORM"}, {g0::NOT, "NOT"},
    {g0::POP, "POP"}, {g0::POPF, "POPF"}, {g0::PUSH, "PUSH"}, {g0::PUSHF, "PUSHF"},
    {g0::OR, "OR"}, {g0::LOPOWER, "LOPOWER(ó)MAXSPEED"}, {g0::RND, "RND"}, {g0::ROL, "ROL"},
    {g0::ROLC, "ROLC"}, {g0::ROR, "ROR"}, {g0::RORC, "RORC"}, {g0::RPTS, "RPTS"},
    {g0::STF, "STF"}, {g0::STFI, "STFI"}, {g0::STI, "STI"}, {g0::STII, "STII"},
    {g0::SIGI, "SIGI"}, {g0::SUBB, "SUBB"}, {g0::SUBC, "SUBC"}, {g0::SUBF, "SUBF"},
    {g0::SUBI, "SUBI"}, {g0::SUBRB, "SUBRB"}, {g0::SUBRF, "SUBRF"}, {g0::SUBRI, "SUBRI"},
    {g0::TSTB, "TSTB"}, {g0::XOR, "XOR"}, {g0::IACK, "IACK"}}));
static_assert(Nombran(kGrupo1, 0, {
    {grupo1::ADDC3, "ADDC3"}, {grupo1::ADDF3, "ADDF3"}, {grupo1::ADDI3, "ADDI3"},
    {grupo1::AND3, "AND3"}, {grupo1::ANDN3, "ANDN3"}, {grupo1::ASH3, "ASH3"},
    {grupo1::CMPF3, "CMPF3"}, {grupo1::CMPI3, "CMPI3"}, {grupo1::LSH3, "LSH3"},
    {grupo1::MPYF3, "MPYF3"}, {grupo1::MPYI3, "MPYI3"}, {grupo1::OR3, "OR3"},
    {grupo1::SUBB3, "SUBB3"}, {grupo1::SUBF3, "SUBF3"}, {grupo1::SUBI3, "SUBI3"},
    {grupo1::TSTB3, "TSTB3"}, {grupo1::XOR3, "XOR3"}}));
static_assert(Nombran(kGrupo2, 4, {{grupo2::LDFCOND, "LDFCond"}, {grupo2::LDICOND, "LDICond"}}));
static_assert(Nombran(kGrupo3, 0, {
    {grupo3::BR, "BR(D)"}, {grupo3::CALL, "CALL"}, {grupo3::RPTB, "RPTB"}, {grupo3::SWI, "SWI"},
    {grupo3::BCOND_REG, "Bcond(D)"}, {grupo3::BCOND_REL, "Bcond(D)"},
    {grupo3::DBCOND_REG, "DBcond(D)"}, {grupo3::DBCOND_REL, "DBcond(D)"},
    {grupo3::CALLCOND_REG, "CALLcond"}, {grupo3::CALLCOND_REL, "CALLcond"},
    {grupo3::TRAPCOND, "TRAPcond"}, {grupo3::RETSCOND, "RETScond"},
    {grupo3::RETICOND, "RETIcond"}}));
static_assert(Nombran(kGrupo4, 0, {
    {grupo4::MPYF3_ADDF3, "MPYF3||ADDF3"}, {grupo4::MPYF3_SUBF3, "MPYF3||SUBF3"},
    {grupo4::MPYI3_ADDI3, "MPYI3||ADDI3"}, {grupo4::MPYI3_SUBI3, "MPYI3||SUBI3"}}));
static_assert(Nombran(kGrupo67, 0, {
    {grupo67::STF_STF, "STF||STF"}, {grupo67::STI_STI, "STI||STI"},
    {grupo67::LDF_LDF, "LDF||LDF"}, {grupo67::LDI_LDI, "LDI||LDI"},
    {grupo67::ABSF_STF, "ABSF||STF"}, {grupo67::ABSI_STI, "ABSI||STI"},
    {grupo67::ADDF3_STF, "ADDF3||STF"}, {grupo67::ADDI3_STI, "ADDI3||STI"},
    {grupo67::AND3_STI, "AND3||STI"}, {grupo67::ASH3_STI, "ASH3||STI"},
    {grupo67::FIX_STI, "FIX||STI"}, {grupo67::FLOAT_STF, "FLOAT||STF"},
    {grupo67::LDF_STF, "LDF||STF"}, {grupo67::LDI_STI, "LDI||STI"},
    {grupo67::LSH3_STI, "LSH3||STI"}, {grupo67::MPYF3_STF, "MPYF3||STF"},
    {grupo67::MPYI3_STI, "MPYI3||STI"}, {grupo67::NEGF_STF, "NEGF||STF"},
    {grupo67::NEGI_STI, "NEGI||STI"}, {grupo67::NOT_STI, "NOT||STI"},
    {grupo67::OR3_STI, "OR3||STI"}, {grupo67::SUBF3_STF, "SUBF3||STF"},
    {grupo67::SUBI3_STI, "SUBI3||STI"}, {grupo67::XOR3_STI, "XOR3||STI"}}));

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

// A record is a plain block of bytes: renewing one is a block copy.
static_assert(std::is_trivially_copyable_v<ClassUnitData>);
void Renovar(ClassUnitData& r) { std::memcpy(&r, &kRegistroNuevo, sizeof r); }

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
        Renovar(registros_[i]);
        etapas_[i] = &registros_[i];
    }
}

void ClassPPL::Compartido() {
    Renovar(registros_[0]);
    etapas_.fill(&registros_[0]);
}

int32_t ClassPPL::DireccionSiguiente(const ClassUnitData& r) {
    const int32_t siguiente = static_cast<int32_t>(static_cast<uint32_t>(r.lPosMem) + 1);
    switch (r.iRepeticion) {
    case repeticion::kRepiteUna: return r.lPosMem;
    case repeticion::kVuelveAlInicio: return gRegistros->RS();
    default: return siguiente;
    }
}

// Takes back what the fetch and decode units did for an instruction that is
// dropped before it runs, so that fetching it again does it once.
void ClassPPL::Deshacer(const ClassUnitData& r) {
    ClassRegistrosCPU& reg = *gRegistros;
    const auto menos = [](int32_t a, int32_t b) {
        return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
    };
    if (r.lCanal >= canal::kDecodificado) {
        reg.SP(menos(reg.SP(), r.iFlagSP));
        for (const auto& [arn, delta] : {std::pair{r.lIndArn1, r.lDeltaArn1},
                                        std::pair{r.lIndArn2, r.lDeltaArn2}}) {
            const auto n = static_cast<int16_t>(arn);
            if (arn >= 0 && arn < 8) reg.AR(n, menos(reg.AR(n), delta));
        }
    }
    // The interrupt service has already given back the count of a word it
    // turned into a call.
    if (r.iRepeticion == repeticion::kNinguna || r.lDirRetornoInt >= 0) return;
    reg.RC(menos(reg.RC(), -1));
    if (r.iRepeticion == repeticion::kTerminaUna || r.iRepeticion == repeticion::kTerminaBloque)
        reg.BIT_ST(bitst::RM, true);
    if (r.iRepeticion == repeticion::kTerminaUna) reg.BIT_S(true);
}

// The instructions fetched but not executed when the mode changes are
// dropped: the program goes on from the oldest of them. A fetch that did not
// go where the one before it led PC was sent on by a delayed branch already
// executed; its target stays pending for as many fetches. An accepted
// interrupt whose call is among them is taken before the oldest, or in place
// of the pending target, as the service does without the pipeline.
void ClassPPL::DevolverNoEjecutadas() {
    bRetener_ = bRetenida_ = false;
    ClassUnitData* enVuelo[3];
    int n = 0;
    for (int etapa = 2; etapa >= 0; --etapa)  // oldest first
        if (etapas_[etapa] != etapas_[3] && etapas_[etapa]->lCanal >= canal::kBuscado)
            enVuelo[n++] = etapas_[etapa];
    if (n == 0) return;
    ClassRegistrosCPU& reg = *gRegistros;
    int saltos = 0;
    for (int i = 0; i < n && saltos == 0; ++i) {
        const int32_t despues = i + 1 < n ? enVuelo[i + 1]->lPosMem : reg.PC();
        if (despues != DireccionSiguiente(*enVuelo[i])) {
            lDestinoRetardo = despues;
            saltos = i + 1;
        }
    }
    if (saltos != 0)
        iSaltosRetardo = static_cast<int16_t>(saltos);
    else if (iSaltosRetardo > 0)
        iSaltosRetardo = static_cast<int16_t>(iSaltosRetardo + n);
    for (int i = n - 1; i >= 0; --i) Deshacer(*enVuelo[i]);
    reg.PC(enVuelo[0]->lPosMem);
    for (int j = 0; j < n; ++j) {
        const ClassUnitData& llamada = *enVuelo[j];
        if (llamada.lDirRetornoInt < 0) continue;
        const int32_t rutina = llamada.lInstruccion & 0xFFFFFF;
        reg.SP(static_cast<int32_t>(static_cast<uint32_t>(reg.SP()) + 1));
        gMemoria->Escribe(reg.SP(), j <= saltos ? llamada.lDirRetornoInt : enVuelo[saltos]->lPosMem);
        if (saltos == 0)
            reg.PC(rutina);
        else
            lDestinoRetardo = rutina;
        break;
    }
}

// Mode 0 around a held decode: while the decode stage is held, its record
// and the fetch stage's stay in place and the record leaving the execute
// stage becomes the read stage's bubble; the first advance after a hold is an
// ordinary one. Tells whether the stages were held.
bool ClassPPL::AvanzarRetenida() {
    bRetenida_ = bRetener_;
    bRetener_ = false;
    ClassUnitData* libre = etapas_[3];
    etapas_[3] = etapas_[2];
    if (bRetenida_) {
        etapas_[2] = libre;
    } else {
        etapas_[2] = etapas_[1];
        etapas_[1] = etapas_[0];
        etapas_[0] = libre;
    }
    Renovar(*libre);
    return bRetenida_;
}

void ClassPPL::Actualizar(int16_t modo) {
    if (modo == 0) {
        if (bRetener_ | bRetenida_) {
            if (AvanzarRetenida()) return;
        } else if (modo == iUltimoModo_) {
            // The record leaving the execute stage is reused for the fetch.
            ClassUnitData* libre = etapas_[3];
            etapas_[3] = etapas_[2];
            etapas_[2] = etapas_[1];
            etapas_[1] = etapas_[0];
            Renovar(*libre);
            etapas_[0] = libre;
        } else {
            DevolverNoEjecutadas();
            Distintos();
        }
    } else if (modo == 1) {
        if (modo != iUltimoModo_) DevolverNoEjecutadas();
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
    bRetener_ = bRetenida_ = false;
}
