// Picks an item of the pop-up menu that an action opens, as a user would.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QTimer>
#include <functional>

namespace prueba {

// Runs `accion`, and picks item `k` of the pop-up menu it opens (-1 closes
// it); returns the menu's title ("" when none opened).
inline QString ElegirEnMenu(const std::function<void()>& accion, int k) {
    QString titulo;
    QTimer::singleShot(50, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu) return;
        titulo = menu->title();
        if (k >= 0) menu->actions().at(k)->trigger();
        menu->close();
    });
    accion();
    return titulo;
}

}  // namespace prueba
