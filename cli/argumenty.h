#pragma once

#include <QStringList>

#include <string>

// File names are bytes, not always UTF-8. The command line is taken as text
// that keeps every byte: a byte that is not part of UTF-8 stands in the text
// as a lone surrogate U+DC80..U+DCFF, and turns back into itself on the way
// to the file system.

QStringList argumenty_bez_strat(int argc, char* argv[]);

// The bytes of a name taken from the command line.
std::string bajty_nazwy(const QString& nazwa);
