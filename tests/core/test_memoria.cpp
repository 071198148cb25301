#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/ClassMemoria.h"

namespace {

struct Region { const char* id; int32_t numID, color, ini, fin; };
const Region kVectores{"Vectores de Interrupcion", 1, 0x0000FF, 0x000000, 0x00003F};
const Region kRam0{"RAM Bloque 0", 2, 0x0080FF, 0x809800, 0x809BFF};
const Region kRam1{"RAM Bloque 1", 3, 0x00FFFF, 0x809C00, 0x809FFF};
const Region kRom{"ROM", 4, 0x00FF00, 0x000000, 0x000FFF};
const Region kPerif{"Periféricos", 6, 0xFFFF00, 0x808000, 0x808064};

}  // namespace

TEST(Memoria, ConfigMemBitsChooseTheRegionsInOrder) {
    struct Caso { int32_t flags; std::vector<Region> regiones; } casos[] = {
        {7, {kVectores, kRam0, kRam1}}, {0, {kRam0}}, {2, {kRam0}},
        {9, {kVectores, kRam0, kRom}}, {16, {kRam0, kPerif}},
        {31, {kVectores, kRam0, kRam1, kRom, kPerif}},
    };
    for (auto& c : casos) {
        ClassMemoria m;
        m.Inicializar(31);
        m.Inicializar(c.flags);  // replaces the earlier rows
        ASSERT_EQ(m.NumSecciones(), static_cast<int32_t>(c.regiones.size())) << c.flags;
        for (size_t i = 0; i < c.regiones.size(); ++i) {
            const Region& e = c.regiones[i];
            const ClassTablaAsig& f = m.TablaAsig(static_cast<int32_t>(i + 1));
            EXPECT_EQ(f.Identificador(), e.id) << c.flags;
            EXPECT_EQ(f.NumID(), e.numID);
            EXPECT_EQ(f.Color(), e.color);
            EXPECT_EQ(f.Ini(), e.ini);
            EXPECT_EQ(f.Fin(), e.fin);
            EXPECT_EQ(f.PrnINI(), e.ini);
            EXPECT_EQ(f.PrnFin(), e.fin);
            EXPECT_TRUE(f.PrnOK());
        }
    }
}

TEST(Memoria, AddressesDecodeByFirstMatch) {
    struct Caso { int32_t flags, dir; int16_t posicion; } casos[] = {
        {9, 0x20, 1}, {9, 0x00, 1}, {9, 0x3F, 1}, {9, 0x40, 3}, {9, 0x100, 3}, {9, 0xFFF, 3},
        {9, 0x1000, 0}, {9, 0x809800, 2}, {8, 0x20, 2},
        {16, 0x808000, 2}, {16, 0x808064, 2}, {16, 0x808065, 0}, {16, 0x807FFF, 0},
        {16, 0x0, 0}, {16, 0x809BFF, 1},
        {0, 0x809C00, 0}, {0, 0x809800, 1}, {7, 0x809BFF, 2}, {7, 0x809C00, 3}, {7, 0x809FFF, 3},
        {7, 0x80A000, 0}, {7, 0x1809800, 0}, {7, static_cast<int32_t>(0xFF809800), 0}, {7, -1, 0},
    };
    for (auto& c : casos) {
        ClassMemoria m;
        m.Inicializar(c.flags);
        EXPECT_EQ(m.BlockDecoDir(c.dir), c.posicion) << c.flags << " " << std::hex << c.dir;
        int16_t err = c.posicion ? 0 : 1;
        EXPECT_EQ(m.Escribe(c.dir, 0x1234), err);
        int32_t v = -7, w = -7;
        EXPECT_EQ(m.Lee(v, c.dir), err);
        EXPECT_EQ(m.LeeInstrDSP(w, c.dir), err);
        EXPECT_EQ(v, c.posicion ? 0x1234 : -7);
        EXPECT_EQ(w, v);
    }
}

// One memory serving addresses of different regions in turn, each look-up
// following one in another region (or in the overlap of vectors and ROM).
TEST(Memoria, AlternatingRegionsStillDecodeByFirstMatch) {
    ClassMemoria m;
    m.Inicializar(31);
    const int32_t dirs[] = {0x100, 0x20, 0x40, 0x3F, 0x809800, 0x808064, 0xFFF, 0x809C00,
                            0x1000, 0x809BFF, 0x808000, 0x00, 0x808065, 0x809FFF, -1, 0x41};
    for (int vuelta = 0; vuelta < 2; ++vuelta) {
        for (int32_t d : dirs) m.Escribe(d, d + vuelta);
        for (int32_t d : dirs) {
            int32_t v = -7;
            const int16_t err = m.Lee(v, d);
            EXPECT_EQ(err, m.BlockDecoDir(d) ? 0 : 1) << std::hex << d;
            if (!err) {
                EXPECT_EQ(v, d + vuelta) << std::hex << d;
            }
        }
    }
}

TEST(Memoria, EveryAddressHasItsOwnWordAndInicializarZeroesThem) {
    ClassMemoria m;
    m.Inicializar(31);
    std::vector<int32_t> dirs;
    for (int32_t i = 1; i <= m.NumSecciones(); ++i)
        for (int32_t d = m.TablaAsig(i).Ini(); d <= m.TablaAsig(i).Fin(); ++d) dirs.push_back(d);
    for (int32_t d : dirs) ASSERT_EQ(m.Escribe(d, d ^ 0x5A5A5A5A), 0);
    for (int32_t d : dirs) {
        int32_t v = 0;
        ASSERT_EQ(m.Lee(v, d), 0);
        ASSERT_EQ(v, d ^ 0x5A5A5A5A) << std::hex << d;
    }
    m.Inicializar(31);
    for (int32_t d : dirs) {
        int32_t v = -1;
        m.Lee(v, d);
        ASSERT_EQ(v, 0) << std::hex << d;
    }
}

TEST(Memoria, DataAccessInIntegerAndShortFloat) {
    ClassMemoria m;
    m.Inicializar(7);
    Valor v;
    ASSERT_EQ(m.EscribeDatoDSP(Valor::Doble(3.0), 0x809800, true), 0);
    int32_t w = 0;
    m.Lee(w, 0x809800);
    EXPECT_EQ(w, 0x01400000);
    EXPECT_EQ(m.LeeDatoDSP(v, 0x809800, true), 0);
    EXPECT_EQ(v, Valor::Doble(3.0));
    EXPECT_EQ(m.LeeDatoDSP(v, 0x809800, false), 0);
    EXPECT_EQ(v, Valor::Entero(0x01400000));

    ASSERT_EQ(m.EscribeDatoDSP(Valor::Entero(-9), 0x809801, false), 0);
    m.Lee(w, 0x809801);
    EXPECT_EQ(w, -9);
    ASSERT_EQ(m.EscribeDatoDSP(Valor::Entero(3), 0x809802, true), 0);  // converted as 3.0
    m.Lee(w, 0x809802);
    EXPECT_EQ(w, 0x01400000);
    ASSERT_EQ(m.EscribeDatoDSP(Valor::Vacio(), 0x809803, true), 0);  // empty counts as 0
    m.Lee(w, 0x809803);
    EXPECT_EQ(w, static_cast<int32_t>(0x80000000));
}

TEST(Memoria, UnrepresentableDataWriteStoresNothing) {
    ClassMemoria m;
    m.Inicializar(7);
    m.Escribe(0x809800, 77);
    m.Access_Clear();
    for (Valor v : {Valor::Doble(1e300), Valor::Doble(std::ldexp(1.0, -200))})
        EXPECT_EQ(m.EscribeDatoDSP(v, 0x809800, true), 1);
    EXPECT_EQ(m.EscribeDatoDSP(Valor::Doble(1e12), 0x809800, false), 1);
    int32_t w = 0;
    m.Lee(w, 0x809800);
    EXPECT_EQ(w, 77);
    EXPECT_EQ(m.NumPosAccess(), 3);  // the attempts are still logged
}

TEST(Memoria, AccessLogHoldsTheCyclesDataAddresses) {
    ClassMemoria m;
    EXPECT_EQ(m.NumSecciones(), 0);
    EXPECT_EQ(m.NumPosAccess(), 1);  // address 0 until the first clear
    EXPECT_EQ(m.MemPosAccess(1), 0);
    m.Inicializar(7);
    m.Access_Clear();
    EXPECT_EQ(m.NumPosAccess(), 0);

    Valor v = Valor::Entero(5);
    int32_t w;
    m.LeeInstrDSP(w, 0x809800);                                    // fetches are not logged
    EXPECT_EQ(m.LeeDatoDSP(v, 0x700000, false), 1);                // unmapped read: not logged
    EXPECT_EQ(v, Valor::Entero(5));
    EXPECT_EQ(m.EscribeDatoDSP(Valor::Entero(1), 0x700001, false), 1);  // unmapped write: logged
    EXPECT_EQ(m.NumPosAccess(), 1);
    EXPECT_EQ(m.MemPosAccess(1), 0x700001);

    for (int32_t i = 2; i <= 6; ++i) m.LeeDatoDSP(v, 0x809800 + i, false);
    EXPECT_EQ(m.NumPosAccess(), 6);
    struct Caso { int16_t i; int32_t dir; } casos[] = {
        {0, 0}, {1, 0x700001}, {2, 0x809802}, {6, 0x809806}, {7, -1}, {-1, -1}, {100, -1},
    };
    for (auto c : casos) EXPECT_EQ(m.MemPosAccess(c.i), c.dir) << c.i;

    m.EscribeDatoDSP(Valor::Entero(1), 0x809807, false);  // the seventh restarts the log
    EXPECT_EQ(m.NumPosAccess(), 1);
    EXPECT_EQ(m.MemPosAccess(1), 0x809807);
    EXPECT_EQ(m.MemPosAccess(2), -1);
}

TEST(Memoria, RowsAreSharedAndKeepTheirPrintRangeInside) {
    ClassMemoria m;
    m.Inicializar(7);
    ClassTablaAsig& ram0 = m.TablaAsig(2);
    ram0.PrnINI(0x809700);  // outside the region: ignored
    EXPECT_EQ(m.TablaAsig(2).PrnINI(), 0x809800);
    ram0.PrnINI(0x809900);
    ram0.PrnFin(0x809850);  // below PrnINI but inside: accepted
    ram0.PrnFin(0x809C00);  // outside: ignored
    ram0.PrnOK(false);
    EXPECT_EQ(m.TablaAsig(2).PrnINI(), 0x809900);
    EXPECT_EQ(m.TablaAsig(2).PrnFin(), 0x809850);
    EXPECT_FALSE(m.TablaAsig(2).PrnOK());
    EXPECT_EQ(m.TablaAsig(0).Identificador(), "");
    EXPECT_EQ(m.TablaAsig(4).NumID(), 0);
}
