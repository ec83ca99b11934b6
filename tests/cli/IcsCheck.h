#pragma once
// An independent reading of an iCalendar file: the C iCalendar library of the distribution
// parses it and checks the properties every component must (or must not) have. Each fault the
// library finds comes back as one text.

#include <QByteArray>
#include <string>
#include <vector>

std::vector<std::string> IcsProblems(const QByteArray& Calendar);
// The number of VEVENT components the library reads.
int IcsEventCount(const QByteArray& Calendar);
