// Program tables and break lists: positions, keys, counters and searches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/CollectDatosFich.h"
#include "data/CollectErrDSK.h"
#include "data/CollectMarcaRupt.h"
#include "data/CollectPuntoRupt.h"
#include "data/CollectTablaRef.h"
#include "data/CollectTablaSect.h"

namespace {

template <class C>
std::vector<std::string> Identificadores(const C& c) {
    std::vector<std::string> v;
    for (const auto& r : c) v.push_back(r.Identificador());
    return v;
}

TEST(Tablas, KeysArePositionsAtInsertionAndSurviveRemoval) {
    CollectTablaSect t;
    t.Add("a", 1, 2, 3);
    t.Add("b", 4, 5, 6);
    t.Add("c", 7, 8, 9);
    t.Remove(1);
    ASSERT_EQ(t.count(), 2);
    EXPECT_EQ(t.Item(1).Identificador(), "b");
    EXPECT_EQ(t.Item(1).Key, " 2");
    EXPECT_EQ(t.Item(2).Key, " 3");
    EXPECT_EQ(t.Item(2).Fin(), 8);
    // The next key is taken from the count, so it repeats an existing one.
    EXPECT_EQ(t.Add("d", 0, 0, 0).Key, " 3");
    EXPECT_EQ(Identificadores(t), (std::vector<std::string>{"b", "c", "d"}));
}

TEST(Tablas, ListingLinesHaveNoKey) {
    CollectDatosFich f;
    EXPECT_EQ(f.Add(5, 6, "x").Key, "");
}

TEST(Tablas, PositionOutsideTheTableIsACatchableError) {
    CollectTablaRef t;
    EXPECT_THROW(t.Item(1), ErrorPosicion);
    t.Add("x", 1, 0, 2);
    for (int32_t p : {0, -1, 2, INT32_MIN, INT32_MAX}) {
        EXPECT_THROW(t.Item(p), std::out_of_range) << p;
        EXPECT_THROW(t.Remove(p), ErrorPosicion) << p;
    }
    EXPECT_EQ(t.count(), 1);
}

TEST(Tablas, ItemIsTheRecordItselfAndStaysValidAcrossAdds) {
    CollectTablaRef t;
    ClassTablaRef& r = t.Add("x", 1, 0, 2);
    for (int i = 0; i < 1000; ++i) t.Add("y", i, 0, 0);
    r.Contenido(99);
    EXPECT_EQ(t.Item(1).Contenido(), 99);
}

TEST(Tablas, ClearEmptiesAndKeepsIndex) {
    CollectTablaRef t;
    t.Clear();  // empty: nothing happens
    t.Index(7);
    t.Add("x", 1, 0, 2);
    t.Clear();
    EXPECT_EQ(t.count(), 0);
    EXPECT_EQ(t.Index(), 7);
}

TEST(Tablas, ErrDSKCountsErrorsAndWarnings) {
    CollectErrDSK e;
    for (int32_t k : {1, 2, 3, 4, 5}) e.Add(10 * k, k, "m");
    EXPECT_EQ(e.NumErrores(), 2);
    EXPECT_EQ(e.NumWarnings(), 2);
    e.Remove(5);  // kind 5 counts nowhere
    EXPECT_EQ(e.NumErrores(), 2);
    EXPECT_EQ(e.NumWarnings(), 2);
    e.Remove(1);
    e.Remove(1);
    EXPECT_EQ(e.NumErrores(), 1);
    EXPECT_EQ(e.NumWarnings(), 1);
    EXPECT_EQ(e.Item(1).Linea(), 30);
    e.Clear();
    EXPECT_EQ(e.count(), 0);
    EXPECT_EQ(e.NumErrores(), 0);
    EXPECT_EQ(e.NumWarnings(), 0);
}

TEST(Tablas, BuscarMemPosGivesTheFirstMatch) {
    CollectDatosFich f;
    EXPECT_EQ(f.BuscarMemPos(0), 0);
    f.Add(-1, 0, "titulo");
    f.Add(0x809800, 1, "a");
    f.Add(0x809800, 2, "b");
    EXPECT_EQ(f.BuscarMemPos(0x809800), 2);
    EXPECT_EQ(f.BuscarMemPos(-1), 1);
    EXPECT_EQ(f.BuscarMemPos(0), 0);
}

TEST(Tablas, TablesCountPast32767) {
    CollectDatosFich f;
    for (int32_t i = 0; i < 40000; ++i) f.Add(i, i, "");
    EXPECT_EQ(f.count(), 40000);
    EXPECT_EQ(f.BuscarMemPos(39999), 40000);
    EXPECT_EQ(f.Item(40000).Contenido(), 39999);
    f.Clear();
    EXPECT_EQ(f.count(), 0);
}

TEST(ListasRuptura, IndexAndIdentGenIndexFollowAddRemoveClear) {
    CollectPuntoRupt p;
    CollectMarcaRupt m;
    for (int i = 0; i < 3; ++i) {
        p.Add(i, "p");
        m.Add(0, i, 0, 0, 0, "m");
        EXPECT_EQ(p.Index(), i + 1);
        EXPECT_EQ(m.Index(), i + 1);
    }
    EXPECT_EQ(m.Item(3).Key, " 3");
    p.Remove(1);
    m.Remove(1);
    EXPECT_EQ(p.Index(), 3);  // left as it was, past the end
    EXPECT_EQ(m.IdentGenIndex(), 3);
    EXPECT_EQ(p.IdentGenIndex(), 3);
    p.Remove(1);
    p.Remove(1);
    EXPECT_EQ(p.Index(), 0);  // the list became empty
    p.Add(9, "q");
    p.Clear();
    m.Clear();
    EXPECT_EQ(p.Index(), -1);
    EXPECT_EQ(p.IdentGenIndex(), 4);
    EXPECT_EQ(m.Index(), 0);
    EXPECT_EQ(m.IdentGenIndex(), 0);
}

TEST(ListasRuptura, SearchesSetIndex) {
    CollectPuntoRupt p;
    p.Add(0x10, "uno");
    p.Add(0x20, "dos");
    p.Add(0x20, "tres");
    p.Index(9);
    EXPECT_EQ(p.BuscarMemPos(0x20), 2);
    EXPECT_EQ(p.Index(), 2);
    EXPECT_EQ(p.BuscarMemPos(0x30), 0);
    EXPECT_EQ(p.Index(), 0);
    EXPECT_EQ(p.BuscarIdentificador("tres"), 3);
    EXPECT_EQ(p.BuscarIdentificador("Tres"), 0);  // exact comparison
    EXPECT_EQ(p.Index(), 0);
}

// The look-up works on a copy of the addresses and a filter of their low
// bytes: every change to the list or to an entry's address must show.
TEST(ListasRuptura, BreakpointLookUpFollowsEveryChange) {
    constexpr int32_t kRam0 = 0x809800;
    CollectPuntoRupt p;
    p.Add(kRam0 + 5, "a");
    p.Add(kRam0 + 0x105, "b");  // the same low byte as a
    p.Add(kRam0 + 5, "c");      // a repeated address: the first wins
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 5), 1);
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 0x105), 2);
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 0x205), 0);
    EXPECT_EQ(p.Index(), 0);
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 6), 0);
    p.Item(2).PosMem(kRam0 + 6);
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 6), 2);
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 0x105), 0);
    p.Remove(1);
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 5), 2);
    EXPECT_EQ(p.Index(), 2);
    p.Add(-1, "negativa");
    EXPECT_EQ(p.BuscarMemPos(-1), 3);
    p.Clear();
    EXPECT_EQ(p.BuscarMemPos(kRam0 + 5), 0);
    EXPECT_EQ(p.Index(), 0);
}

}  // namespace
