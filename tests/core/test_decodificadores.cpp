// Group decoders on encoded words: the fields, immediates, wait cycles and
// stack flags that each word gives the decode-stage record. Most words come
// from listings of the assembler in ../shared/tools.
#include <gtest/gtest.h>

#include <memory>

#include "core/ClassPPL.h"
#include "core/FilasInstruccion.h"
#include "core/Instrucciones.h"
#include "data/DatosPrograma.h"

namespace {

// The fields a decoder can write, with the record's defaults.
struct Campos {
    int32_t codigo = 0;
    int16_t modo = -1;
    int32_t dst1 = -1, dst2 = -1, src1 = -1, src2 = -1, src3 = -1;
    int32_t directo = 0;
    int16_t modArn1 = -1;
    int32_t arn1 = -1, disp = 1;
    int16_t modArn2 = -1;
    int32_t arn2 = -1;
    Valor inm = Valor::Entero(0);
    int32_t cond = -1, condN = -1;
    bool b = false, d = false;
    int16_t flagSP = 0;
    int32_t espera = 0;
};

struct Caso {
    const char* texto;
    uint32_t palabra;
    Campos esperado;
};

// Decodes the word as the decode unit would: group from bits 31-29, then the
// group's decoder on a fresh decode-stage record.
const ClassUnitData& Decodificar(uint32_t palabra) {
    gPPL = std::make_unique<ClassPPL>();
    ClassUnitData& d = gPPL->Decodificacion();
    d.LTipoIntr = static_cast<int32_t>(palabra >> 29);
    const auto w = static_cast<int32_t>(palabra);
    switch (d.LTipoIntr) {
    case 0: DecodificarDosOperandos(w); break;
    case 1: DecodificarTresOperandos(w); break;
    case 2: DecodificarCargaCond(w); break;
    case 3: DecodificarControlPrograma(w); break;
    case 4: DecodificarParaleloMultSuma(w); break;
    default: DecodificarParaleloCargaAlmac(w); break;
    }
    return d;
}

void Comprobar(const Caso& c) {
    SCOPED_TRACE(c.texto);
    const ClassUnitData& r = Decodificar(c.palabra);
    const Campos& e = c.esperado;
    EXPECT_EQ(r.lCodigoInstr(), e.codigo);
    EXPECT_EQ(r.iModoDireccion, e.modo);
    EXPECT_EQ(r.lIndDst1, e.dst1);
    EXPECT_EQ(r.lIndDst2, e.dst2);
    EXPECT_EQ(r.lIndSrc1, e.src1);
    EXPECT_EQ(r.lIndSrc2, e.src2);
    EXPECT_EQ(r.lIndSrc3, e.src3);
    EXPECT_EQ(r.lDirecto, e.directo);
    EXPECT_EQ(r.lModoArn1, e.modArn1);
    EXPECT_EQ(r.lIndArn1, e.arn1);
    EXPECT_EQ(r.lDisp, e.disp);
    EXPECT_EQ(r.lModoArn2, e.modArn2);
    EXPECT_EQ(r.lIndArn2, e.arn2);
    EXPECT_EQ(r.lInmediato, e.inm);
    EXPECT_EQ(r.lCond, e.cond);
    EXPECT_EQ(r.lCondN, e.condN);
    EXPECT_EQ(r.bBitB, e.b);
    EXPECT_EQ(r.lBitD, e.d);
    EXPECT_EQ(r.iFlagSP, e.flagSP);
    EXPECT_EQ(gPPL->lCiclosEspera, e.espera);
}

}  // namespace

TEST(DecodificarDosOperandos, CamposPorModoDeDireccionamiento) {
    const Caso casos[] = {
        {"LDI 5,R0", 0x08600005, {.codigo = grupo0::LDI, .modo = 3, .dst1 = 0, .inm = Valor::Entero(5)}},
        {"LDI -1,R0", 0x0860FFFF, {.codigo = grupo0::LDI, .modo = 3, .dst1 = 0, .inm = Valor::Entero(-1)}},
        {"ADDI 08000h,R7: arithmetic immediates are sign-extended", 0x02678000,
         {.codigo = grupo0::ADDI, .modo = 3, .dst1 = 7, .inm = Valor::Entero(-32768)}},
        {"MPYI R1,R2", 0x0A820001, {.codigo = grupo0::MPYI, .modo = 0, .dst1 = 2, .src1 = 1}},
        {"SUBC @09800h,R2", 0x17229800, {.codigo = grupo0::SUBC, .modo = 1, .dst1 = 2, .directo = 0x9800}},
        {"ADDC *AR0++(1),R3", 0x01432001,
         {.codigo = grupo0::ADDC, .modo = 2, .dst1 = 3, .modArn1 = 4, .arn1 = 0, .disp = 1}},
        {"LDI *+AR1(200),R0", 0x084001C8,
         {.codigo = grupo0::LDI, .modo = 2, .dst1 = 0, .modArn1 = 0, .arn1 = 1, .disp = 200}},
        {"NOP *AR3++(5)", 0x0CC02305,
         {.codigo = grupo0::NOP, .modo = 2, .dst1 = 0, .modArn1 = 4, .arn1 = 3, .disp = 5}},
        {"LDI *AR1++,R2 (displacement field 1)", 0x08422101,
         {.codigo = grupo0::LDI, .modo = 2, .dst1 = 2, .modArn1 = 4, .arn1 = 1, .disp = 1}},
        {"row 60 does not exist: the fields are still decoded", (60u << 23) | 0x00630007,
         {.codigo = -1, .modo = 3, .dst1 = 3, .inm = Valor::Entero(7)}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarDosOperandos, InmediatosLogicosYDeRptsSinSigno) {
    const Caso casos[] = {
        {"AND 08000h,R1", 0x02E18000, {.codigo = grupo0::AND, .modo = 3, .dst1 = 1, .inm = Valor::Entero(0x8000)}},
        {"ANDN 0FFFFh,R4", 0x0364FFFF, {.codigo = grupo0::ANDN, .modo = 3, .dst1 = 4, .inm = Valor::Entero(0xFFFF)}},
        {"NOT 08001h,R3", 0x0DE38001, {.codigo = grupo0::NOT, .modo = 3, .dst1 = 3, .inm = Valor::Entero(0x8001)}},
        {"OR 0F0F0h,R1", 0x1061F0F0, {.codigo = grupo0::OR, .modo = 3, .dst1 = 1, .inm = Valor::Entero(0xF0F0)}},
        {"TSTB 08000h,R5", 0x1A658000, {.codigo = grupo0::TSTB, .modo = 3, .dst1 = 5, .inm = Valor::Entero(0x8000)}},
        {"XOR 0FFFFh,R2", 0x1AE2FFFF, {.codigo = grupo0::XOR, .modo = 3, .dst1 = 2, .inm = Valor::Entero(0xFFFF)}},
        {"RPTS 09C40h", 0x13FB9C40,
         {.codigo = grupo0::RPTS, .modo = 3, .dst1 = 27, .inm = Valor::Entero(0x9C40), .espera = 2}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarDosOperandos, InmediatosFlotantesCortos) {
    const Caso casos[] = {
        {"LDF -1.0,R0", 0x0760F800, {.codigo = grupo0::LDF, .modo = 3, .dst1 = 0, .inm = Valor::Doble(-1.0)}},
        {"LDF 1.5,R1", 0x07610400, {.codigo = grupo0::LDF, .modo = 3, .dst1 = 1, .inm = Valor::Doble(1.5)}},
        {"LDF 0,R2: exponent -8 is zero", 0x07628000,
         {.codigo = grupo0::LDF, .modo = 3, .dst1 = 2, .inm = Valor::Doble(0.0)}},
        {"LDF 2.0,R0: exponent 1, fraction 0", 0x07601000,
         {.codigo = grupo0::LDF, .modo = 3, .dst1 = 0, .inm = Valor::Doble(2.0)}},
        {"LDF 0.0078125,R0: exponent -7, the smallest positive", 0x07609000,
         {.codigo = grupo0::LDF, .modo = 3, .dst1 = 0, .inm = Valor::Doble(0.0078125)}},
        {"ADDF -256,R3: the most negative short float", 0x01E37800,
         {.codigo = grupo0::ADDF, .modo = 3, .dst1 = 3, .inm = Valor::Doble(-256.0)}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarDosOperandos, EsperaYPila) {
    const Caso casos[] = {
        {"IDLE", 0x06000000, {.codigo = grupo0::IDLE, .modo = 0, .dst1 = 0, .src1 = 0, .espera = 2}},
        {"PUSH R0", 0x0F200000, {.codigo = grupo0::PUSH, .modo = 1, .dst1 = 0, .flagSP = 1}},
        {"POP R0", 0x0E200000, {.codigo = grupo0::POP, .modo = 1, .dst1 = 0, .flagSP = -1}},
        {"PUSHF R3", 0x0FA30000, {.codigo = grupo0::PUSHF, .modo = 1, .dst1 = 3, .flagSP = 1}},
        {"POPF R4", 0x0EA40000, {.codigo = grupo0::POPF, .modo = 1, .dst1 = 4, .flagSP = -1}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarTresOperandos, FuentesPorTipo) {
    const Caso casos[] = {
        {"ADDI3 R1,R2,R3", 0x21030201, {.codigo = grupo1::ADDI3, .modo = 0, .dst1 = 3, .src1 = 2, .src2 = 1}},
        {"ADDI3 R1,*AR1--,R3", 0x21232901,
         {.codigo = grupo1::ADDI3, .modo = 1, .dst1 = 3, .src2 = 1, .modArn1 = 5, .arn1 = 1}},
        {"ADDI3 *AR0++,R2,R3", 0x21430220,
         {.codigo = grupo1::ADDI3, .modo = 2, .dst1 = 3, .src1 = 2, .modArn2 = 4, .arn2 = 0}},
        {"ADDI3 *AR2,*AR3++(IR0),R4", 0x216463C2,
         {.codigo = grupo1::ADDI3, .modo = 3, .dst1 = 4, .modArn1 = 12, .arn1 = 3, .modArn2 = 24, .arn2 = 2}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarCargaCond, CondicionYOperando) {
    const Caso casos[] = {
        {"LDIZ 5,R0", 0x52E00005,
         {.codigo = grupo2::LDICOND, .modo = 3, .dst1 = 0, .inm = Valor::Entero(5), .cond = 5}},
        {"LDIU -2,R1", 0x5061FFFE,
         {.codigo = grupo2::LDICOND, .modo = 3, .dst1 = 1, .inm = Valor::Entero(-2), .cond = 0}},
        {"LDFNE *AR1,R2", 0x4342C100,
         {.codigo = grupo2::LDFCOND, .modo = 2, .dst1 = 2, .modArn1 = 24, .arn1 = 1, .disp = 0, .cond = 6}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarControlPrograma, SaltosLlamadasYRetornos) {
    const Caso casos[] = {
        {"BR 0809800h", 0x60809800,
         {.codigo = grupo3::BR, .inm = Valor::Entero(0x809800), .b = true, .espera = 2}},
        {"BRD 0809800h", 0x61809800, {.codigo = grupo3::BR, .inm = Valor::Entero(0x809800), .b = true, .d = true}},
        {"CALL 0809800h", 0x62809800,
         {.codigo = grupo3::CALL, .inm = Valor::Entero(0x809800), .b = true, .flagSP = 1, .espera = 2}},
        {"RPTB 0809800h", 0x64809800,
         {.codigo = grupo3::RPTB, .inm = Valor::Entero(0x809800), .b = true, .espera = 2}},
        {"SWI", 0x66000000, {.codigo = grupo3::SWI, .inm = Valor::Entero(0), .b = true}},
        {"BNE -17 (PC-relative)", 0x6A06FFEF,
         {.codigo = grupo3::BCOND_REL, .arn1 = 0, .disp = -17, .cond = 6, .b = true, .espera = 2}},
        {"BNED -18", 0x6A26FFEE, {.codigo = grupo3::BCOND_REL, .arn1 = 0, .disp = -18, .cond = 6, .b = true, .d = true}},
        {"BNE R2 (register form)", 0x68060002, {.codigo = grupo3::BCOND_REG, .src1 = 2, .arn1 = 0, .cond = 6, .espera = 2}},
        {"BUD R1", 0x68200001, {.codigo = grupo3::BCOND_REG, .src1 = 1, .arn1 = 0, .cond = 0, .d = true}},
        {"DBNZ AR5,+6", 0x6F460006, {.codigo = grupo3::DBCOND_REL, .arn1 = 5, .disp = 6, .cond = 6, .b = true, .espera = 2}},
        {"DBNED AR1,-11", 0x6E66FFF5, {.codigo = grupo3::DBCOND_REL, .arn1 = 1, .disp = -11, .cond = 6, .b = true, .d = true}},
        {"CALLNE +8", 0x72060008,
         {.codigo = grupo3::CALLCOND_REL, .arn1 = 0, .disp = 8, .cond = 6, .b = true, .flagSP = 1, .espera = 2}},
        {"CALLNE R3", 0x70060003, {.codigo = grupo3::CALLCOND_REG, .src1 = 3, .arn1 = 0, .cond = 6, .flagSP = 1, .espera = 2}},
        {"TRAPU 7: waits like a call", 0x74000027, {.codigo = grupo3::TRAPCOND, .cond = 0, .condN = 7, .flagSP = 1, .espera = 2}},
        {"TRAPNZ 2", 0x74060022, {.codigo = grupo3::TRAPCOND, .cond = 6, .condN = 2, .flagSP = 1, .espera = 2}},
        {"RETSU", 0x78800000, {.codigo = grupo3::RETSCOND, .cond = 0, .flagSP = -1, .espera = 2}},
        {"RETIU", 0x78000000, {.codigo = grupo3::RETICOND, .cond = 0, .flagSP = -1, .espera = 2}},
        {"RETINZ", 0x78060000, {.codigo = grupo3::RETICOND, .cond = 6, .flagSP = -1, .espera = 2}},
        {"bits 28-25 = 11: RETScond with no condition", 0x76000000, {.codigo = grupo3::RETSCOND}},
        {"bits 28-25 = 13: no row", 0x7A000000, {.codigo = -1}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarParaleloMultSuma, DestinosYFuentes) {
    const Caso casos[] = {
        {"MPYF3 *AR0++,*AR1++,R0 || ADDF3 R2,R3,R2", 0x801A2120,
         {.codigo = grupo4::MPYF3_ADDF3, .modo = 0, .dst1 = 0, .dst2 = 2, .src1 = 3, .src2 = 2, .modArn1 = 4,
          .arn1 = 1, .modArn2 = 4, .arn2 = 0}},
        {"MPYI3 R4,R5,R1 || SUBI3 *AR2,*AR3,R3", 0x8EECC3C2,
         {.codigo = grupo4::MPYI3_SUBI3, .modo = 2, .dst1 = 1, .dst2 = 3, .src1 = 5, .src2 = 4, .modArn1 = 24,
          .arn1 = 3, .modArn2 = 24, .arn2 = 2}},
        {"bit 23 set, bit 22 clear: R1 and R2", 0x80800000 | 0x0000C0C0,
         {.codigo = grupo4::MPYF3_ADDF3, .modo = 0, .dst1 = 1, .dst2 = 2, .src1 = 0, .src2 = 0, .modArn1 = 24,
          .arn1 = 0, .modArn2 = 24, .arn2 = 0}},
    };
    for (const Caso& c : casos) Comprobar(c);
}

TEST(DecodificarParaleloCargaAlmac, RegistrosPorFila) {
    const Caso casos[] = {
        {"STF R1,*AR0++ || STF R2,*AR1++: first source from bits 18-16", 0xC0422120,
         {.codigo = grupo67::STF_STF, .modo = 0, .src1 = 2, .src2 = 1, .modArn1 = 4, .arn1 = 1, .modArn2 = 4, .arn2 = 0}},
        {"STI R3,*AR2 || STI R4,*AR3--", 0xC2C42BC2,
         {.codigo = grupo67::STI_STI, .modo = 2, .src1 = 4, .src2 = 3, .modArn1 = 5, .arn1 = 3, .modArn2 = 24, .arn2 = 2}},
        {"LDF *AR0,R1 || LDF *AR1,R2", 0xC450C1C0,
         {.codigo = grupo67::LDF_LDF, .modo = 0, .dst1 = 2, .dst2 = 1, .modArn1 = 24, .arn1 = 1, .modArn2 = 24, .arn2 = 0}},
        {"LDI *AR4++,R5 || LDI *AR5,R6", 0xC770C524,
         {.codigo = grupo67::LDI_LDI, .modo = 3, .dst1 = 6, .dst2 = 5, .modArn1 = 24, .arn1 = 5, .modArn2 = 4, .arn2 = 4}},
        {"ADDI3 *AR0,R1,R2 || STI R3,*AR1", 0xCE8BC1C0,
         {.codigo = grupo67::ADDI3_STI, .modo = 2, .dst1 = 2, .src1 = 1, .src3 = 3, .modArn1 = 24, .arn1 = 1,
          .modArn2 = 24, .arn2 = 0}},
        {"ASH3 R4,*AR2,R5 || STI R6,*AR3: the count register from bits 21-19", 0xD366C3C2,
         {.codigo = grupo67::ASH3_STI, .modo = 3, .dst1 = 5, .src1 = 4, .src3 = 6, .modArn1 = 24, .arn1 = 3,
          .modArn2 = 24, .arn2 = 2}},
        {"LSH3 R1,*AR0,R0 || STI R2,*AR1", 0xDC0AC1C0,
         {.codigo = grupo67::LSH3_STI, .modo = 0, .dst1 = 0, .src1 = 1, .src3 = 2, .modArn1 = 24, .arn1 = 1,
          .modArn2 = 24, .arn2 = 0}},
        {"row 30 does not exist: the operation-store layout", 0xFC0AC1C0,
         {.codigo = -1, .modo = 0, .dst1 = 0, .src1 = 1, .src3 = 2, .modArn1 = 24, .arn1 = 1,
          .modArn2 = 24, .arn2 = 0}},
    };
    for (const Caso& c : casos) Comprobar(c);
}
