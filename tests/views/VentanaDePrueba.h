// A lone view in an MDI area, loaded over the fixture program with an
// in-memory settings store, as the window tests drive it.
#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>
#include <memory>

#include "fakes/AjustesMemoria.h"
#include "views/FixtureListado.h"

template <class Vista>
struct VentanaDePrueba {
    std::unique_ptr<prueba::AjustesMemoria> ajustes;
    std::unique_ptr<QMdiArea> area;
    QMdiSubWindow* marco = nullptr;
    Vista* w = nullptr;

    void Abrir() {
        fixture::Cargar();
        ajustes = std::make_unique<prueba::AjustesMemoria>();
        area = std::make_unique<QMdiArea>();
        area->resize(1000, 700);
        area->show();
        w = new Vista;
        marco = area->addSubWindow(w);
        marco->show();
        w->Cargar(marco);
        QVERIFY(QTest::qWaitForWindowExposed(area.get()));
    }
    void Cerrar() {
        area.reset();
        ajustes.reset();
    }
};
