// Assembler messages of the loaded listing (gErrDSK), with error and warning counts.
#pragma once

#include <cstdint>
#include <string>

#include "data/Coleccion.h"
#include "data/Propiedad.h"

// One assembler message. ErrDSK: 1 error in pass 1, 2 warning in pass 1,
// 3 error in pass 2, 4 warning in pass 2.
class ClassErrDSK {
public:
    std::string Key;
    PROPIEDAD(int32_t, Linea, 0)
    PROPIEDAD(int32_t, ErrDSK, 0)
    PROPIEDAD(std::string, StrMsg, {})
};

class CollectErrDSK : public Coleccion<ClassErrDSK> {
public:
    ClassErrDSK& Add(int32_t Linea, int32_t ErrDSK, const std::string& StrMsg);
    void Remove(int32_t posicion);
    void Clear();
    int32_t NumErrores() const { return mNumErrores; }
    int32_t NumWarnings() const { return mNumWarnings; }

private:
    void Contar(int32_t ErrDSK, int32_t delta);
    int32_t mNumErrores = 0;
    int32_t mNumWarnings = 0;
};
