// Scripted box service for tests: records every box and answers from a queue.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "platform/Cuadros.h"

namespace prueba {

class CuadrosFalsos final : public plataforma::IServicioCuadros {
public:
    CuadrosFalsos() { plataforma::EstablecerCuadros(this); }
    ~CuadrosFalsos() override { plataforma::EstablecerCuadros(nullptr); }

    plataforma::Respuesta MsgBox(const plataforma::Cuadro& c) override {
        mostrados.push_back(c);
        if (respuestas.empty()) return respuestaPorDefecto;
        auto r = respuestas.front();
        respuestas.pop_front();
        return r;
    }
    std::optional<std::string> InputBox(const plataforma::CuadroEntrada& c) override {
        entradas.push_back(c);
        if (textos.empty()) return std::nullopt;
        auto t = textos.front();
        textos.pop_front();
        return t;
    }

    std::vector<plataforma::Cuadro> mostrados;
    std::vector<plataforma::CuadroEntrada> entradas;
    std::deque<plataforma::Respuesta> respuestas;          // answers to the next boxes
    std::deque<std::optional<std::string>> textos;         // answers to the next input boxes
    plataforma::Respuesta respuestaPorDefecto = plataforma::Respuesta::Aceptar;
};

}  // namespace prueba
