#pragma once

#include "opcje.h"

#include <optional>
#include <string>

// An output that is the model's own file would destroy the model
// (`--raport m.M1D m.M1D`, `-o` naming the model, `m.txt >> m.txt`): the
// message when one of the command's outputs, standard output among them, is
// the same file as its model (the same device and inode, or the same name
// while the model does not exist), otherwise nothing.
std::optional<std::string> wyjscie_na_modelu(const Polecenie& c);
