#pragma once

#include <QCoreApplication>
#include <QString>

// The display texts of one sample record, shared by the history page, the
// sample dialogs and the table export so that every place shows a record the
// same way.
class SampleText
{
    Q_DECLARE_TR_FUNCTIONS(SampleText)
public:
    // Mark of a stored result code 0-5 ("++", "-", "+", "+++", "*", "Invalid").
    // Codes outside 0-5 come from damaged or foreign rows: they get no mark.
    static QString resultMark(int code);

    // Well 1-8 of a position code: 0-7 and 8-15 both map onto wells 1-8.
    // A position that is not a base-10 number counts as 0.
    static int wellNumber(const QString &pieId);

    // Ct as shown: 41.0 is the instrument's "no amplification" value and reads
    // "0"; anything else in the general format with 6 significant digits.
    static QString ctText(double ct);
};
