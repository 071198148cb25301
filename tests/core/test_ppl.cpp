// Instruction record and pipeline: stage shifting in both modes, emptying,
// stage access and the mnemonic tables.
#include <gtest/gtest.h>

#include "core/ClassPPL.h"
#include "core/FilasInstruccion.h"

TEST(ClassPPL, NuevoTieneCuatroRegistrosDistintosYBusquedaEnEstado1) {
    ClassPPL p;
    EXPECT_EQ(p.Busqueda().lCanal, canal::kEnBusqueda);
    EXPECT_EQ(p.Decodificacion().lCanal, canal::kNuevo);
    EXPECT_NE(&p.Busqueda(), &p.Decodificacion());
    EXPECT_NE(&p.Decodificacion(), &p.Lectura());
    EXPECT_NE(&p.Lectura(), &p.Ejecucion());
    EXPECT_EQ(p.lCiclosEspera, 0);
    EXPECT_EQ(p.UltimoModo(), 0);
}

TEST(ClassPPL, Modo0DesplazaLosRegistrosConSuEstado) {
    ClassPPL p;
    p.Actualizar(0);
    p.Busqueda().lCanal = canal::kBuscado;
    p.Busqueda().lPosMem = 0x809800;
    ClassUnitData* buscado = &p.Busqueda();
    p.Actualizar(0);
    EXPECT_EQ(&p.Decodificacion(), buscado);
    EXPECT_EQ(p.Decodificacion().lCanal, canal::kBuscado);
    EXPECT_EQ(p.Decodificacion().lPosMem, 0x809800);
    p.Actualizar(0);
    p.Actualizar(0);
    EXPECT_EQ(&p.Ejecucion(), buscado);
    // The next shift drops it: the freed record comes back fresh as the fetch record.
    p.Actualizar(0);
    EXPECT_EQ(&p.Busqueda(), buscado);
    EXPECT_EQ(p.Busqueda().lPosMem, 0);
    EXPECT_EQ(p.Busqueda().lCanal, canal::kEnBusqueda);
}

TEST(ClassPPL, Modo1CompartenUnRegistroNuevoCadaCiclo) {
    ClassPPL p;
    p.Actualizar(1);
    EXPECT_EQ(&p.Busqueda(), &p.Decodificacion());
    EXPECT_EQ(&p.Busqueda(), &p.Lectura());
    EXPECT_EQ(&p.Busqueda(), &p.Ejecucion());
    EXPECT_EQ(p.Ejecucion().lCanal, canal::kEnBusqueda);
    p.Busqueda().lCanal = canal::kLeido;
    p.Busqueda().lInstruccion = 1234;
    p.Actualizar(1);
    EXPECT_EQ(p.Ejecucion().lCanal, canal::kEnBusqueda);
    EXPECT_EQ(p.Ejecucion().lInstruccion, 0);
    // Back to mode 0: four distinct fresh records.
    p.Actualizar(0);
    EXPECT_NE(&p.Busqueda(), &p.Ejecucion());
    EXPECT_EQ(p.Ejecucion().lCanal, canal::kNuevo);
}

TEST(ClassPPL, VaciarDaRegistrosNuevosYConservaEspera) {
    ClassPPL p;
    p.lCiclosEspera = 2;
    p.Busqueda().lCanal = canal::kBuscado;
    p.VaciarPPL();
    for (int16_t i = 0; i < 4; ++i) EXPECT_EQ(p.Unidades(i)->lCanal, canal::kNuevo);
    EXPECT_NE(p.Unidades(0), p.Unidades(1));
    EXPECT_EQ(p.lCiclosEspera, 2);
    p.Actualizar(1);
    p.VaciarPPL();
    EXPECT_EQ(p.Unidades(0), p.Unidades(3));
    EXPECT_EQ(p.Unidades(0)->lCanal, canal::kNuevo);
}

TEST(ClassPPL, UnidadesFueraDeRangoNoDaRegistro) {
    ClassPPL p;
    EXPECT_EQ(p.Unidades(4), nullptr);
    EXPECT_EQ(p.Unidades(-1), nullptr);
    EXPECT_EQ(p.Unidades(3), &p.Ejecucion());
}

TEST(ClassPPL, Nemonico) {
    struct Caso { int32_t grupo, fila; const char* texto; };
    const Caso casos[] = {
        {5, 0, " <ERR>"}, {8, 0, " <ERR>"}, {-1, 0, " <ERR>"}, {2, 3, " <ERR>"},
        {0, 55, " <ERR>"}, {2, 4, "*LDFCond"}, {2, 5, " LDICond"}, {2, 6, " <ERR>"},
        {0, 0, "*ABSF"}, {0, 24, " NEGI"}, {0, 54, " IACK"}, {1, 16, " XOR3"},
        {3, 12, " RETIcond"}, {3, 13, " <ERR>"}, {4, 3, " MPYI3||SUBI3"},
        {6, 18, " NEGI||STI"}, {7, 23, " XOR3||STI"}, {6, 24, " <ERR>"},
        {0, 10, "*FIX"}, {0, 11, " FLOAT"}, {6, 10, " FIX||STI"}, {6, 11, "*FLOAT||STF"},
    };
    for (const Caso& c : casos)
        EXPECT_EQ(ClassPPL::Nemonico(c.grupo, c.fila), c.texto) << c.grupo << "," << c.fila;
}

TEST(ClassUnitData, ValoresIniciales) {
    ClassUnitData r;
    EXPECT_EQ(r.sNem(), " - ");
    EXPECT_EQ(r.LTipoIntr, -1);
    EXPECT_EQ(r.lCodigoInstr(), 0);
    EXPECT_EQ(r.lDisp, 1);
    EXPECT_EQ(r.lAddrArn1, -1);
    EXPECT_EQ(r.iModoDireccion, -1);
    EXPECT_TRUE(r.vSrc1.EsVacio());
    EXPECT_TRUE(r.lDatoSP.EsVacio());
    EXPECT_EQ(r.lInmediato, Valor::Entero(0));
}

TEST(ClassUnitData, CodigoInstrBuscaLaFilaEnLaTablaDelGrupo) {
    ClassUnitData r;
    r.LTipoIntr = 0;
    r.lCodigoInstr(grupo0::LOPOWER);
    EXPECT_EQ(r.sNem(), "LOPOWER(ó)MAXSPEED");
    EXPECT_EQ(r.iTipoDatos(), 0);
    r.LTipoIntr = 1;
    r.lCodigoInstr(grupo1::ADDF3);
    EXPECT_EQ(r.sNem(), "ADDF3");
    EXPECT_EQ(r.iTipoDatos(), 1);
    // A missing row: -1, "<ERR>", data type kept.
    r.lCodigoInstr(17);
    EXPECT_EQ(r.lCodigoInstr(), -1);
    EXPECT_EQ(r.sNem(), "<ERR>");
    EXPECT_EQ(r.iTipoDatos(), 1);
}

TEST(ClassUnitData, CodigoInstrSinGrupoDaErr) {
    ClassUnitData r;
    r.lCodigoInstr(3);
    EXPECT_EQ(r.lCodigoInstr(), -1);
    EXPECT_EQ(r.sNem(), "<ERR>");
    EXPECT_EQ(r.iTipoDatos(), 0);
}
