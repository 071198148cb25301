// The program's data files are read and replaced by the platform's routines,
// the ones the settings store uses too.
#pragma once

#include "platform/Ficheros.h"

using plataforma::AbrirFicheroPlano;
using plataforma::FicheroSustituto;
