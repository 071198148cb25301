// In-memory settings store for tests: installs itself while it lives, keeps
// the values by (application, section, key) and records the order of writes.
#pragma once

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Ajustes.h"

namespace prueba {

class AjustesMemoria final : public plataforma::IAlmacenAjustes {
public:
    using Clave = std::tuple<std::string, std::string, std::string>;  // application, section, key

    AjustesMemoria() { plataforma::EstablecerAjustes(this); }
    ~AjustesMemoria() override { plataforma::EstablecerAjustes(nullptr); }

    std::string Leer(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                     const std::string& porDefecto) override {
        auto it = valores.find({aplicacion, seccion, clave});
        return it == valores.end() ? porDefecto : it->second;
    }
    void Escribir(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                  const std::string& valor) override {
        valores[{aplicacion, seccion, clave}] = valor;
        escritas.push_back({aplicacion, seccion, clave});
    }
    bool Guardar() override {
        ++guardados;
        return !fallaGuardar;
    }
    std::string Lugar(const std::string& aplicacion) const override { return "/memoria/" + aplicacion + ".ini"; }

    // Shorthand for the program's own application name.
    void Poner(const std::string& seccion, const std::string& clave, const std::string& valor) {
        valores[{plataforma::kAplicacion, seccion, clave}] = valor;
    }
    const std::string* Valor(const std::string& seccion, const std::string& clave) const {
        auto it = valores.find({plataforma::kAplicacion, seccion, clave});
        return it == valores.end() ? nullptr : &it->second;
    }

    std::map<Clave, std::string> valores;
    std::vector<Clave> escritas;  // every write, in order
    int guardados = 0;            // calls of Guardar
    bool fallaGuardar = false;    // Guardar reports a failed write
};

}  // namespace prueba
