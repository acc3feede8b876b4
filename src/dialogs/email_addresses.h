#pragma once

#include <QString>
#include <QStringList>

// The addresses the e-mail dialog remembers, in setup/email.ini: section "E_mail", one line per
// address with the address as key and value, keys compared without regard to case, file order
// kept.

// Makes sure setup/ exists and returns the remembered addresses in file order; empty when the
// folder cannot be made or the file is absent.
QStringList rememberedEmailAddresses();

// Adds an address, without the spaces around it, at the end of the list unless it is there
// already (in any case); an empty address is not remembered. An address that
// the file could not give back as written (see IniFile::canHoldKey) is not remembered. Raises "Unable to write to %s" when the file cannot be written.
void rememberEmailAddress(const QString &address);
