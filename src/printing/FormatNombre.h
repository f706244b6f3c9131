#pragma once
// The number formats the reports use, as the report text boxes and the summary labels print them.

#include <QLocale>
#include <QString>
#include <QVariant>

// `valeur` through `format`: up to three sections separated by ';' for positive, negative and zero
// values (a missing or empty negative section means the positive one with a minus sign; a missing zero
// section, the positive one); in a section, "0" and "#" digit places, "." the decimal point and "," the
// grouping of thousands (both printed as the locale has them), text between double quotes printed as
// is ("" prints nothing). Null prints nothing, text that is not a number prints unchanged, and without a
// format a value prints as it comes.
QString FormaterValeur(const QVariant& valeur, const QString& format, const QLocale& locale = QLocale());
