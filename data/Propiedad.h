// A record field with a getter and a setter of the same name:
// PROPIEDAD(int32_t, PosMem, -1) gives PosMem() and PosMem(v).
#pragma once

#define PROPIEDAD(Tipo, Nombre, Inicial)                              \
public:                                                               \
    const Tipo& Nombre() const { return m##Nombre; }                  \
    void Nombre(const Tipo& valor) { m##Nombre = valor; }             \
private:                                                              \
    Tipo m##Nombre = Inicial;                                         \
public:
