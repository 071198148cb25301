// The settings store on Qt: one INI file per application under the user's
// configuration folder (<config>/Tarvix/Tarvix.ini); a section written with
// backslashes ("Opciones\Entorno") is a nested group.
#pragma once

#include <string>

#include "platform/Ajustes.h"

namespace plataforma {

class AjustesQt final : public IAlmacenAjustes {
public:
    // carpetaBase: where the applications' folders go; empty for the user's
    // configuration folder.
    explicit AjustesQt(std::string carpetaBase = {});

    std::string Leer(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                     const std::string& porDefecto) override;
    void Escribir(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                  const std::string& valor) override;

    // The INI file that holds an application's settings.
    std::string Fichero(const std::string& aplicacion) const;

private:
    std::string carpetaBase_;
};

// Installs a program-wide AjustesQt as the settings store.
void InstalarAjustesQt();

}  // namespace plataforma
