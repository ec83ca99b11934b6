#pragma once
// The binary stream components write their stored properties to and read them from.

#include <QDataStream>

using TDataStream = QDataStream;
