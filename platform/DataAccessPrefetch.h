#pragma once
// Reading a whole table ahead on a second thread while the program builds its window. The
// first connection opened afterwards on the same file, in the same mode, takes the reader's
// engine connection with the rows kept as a whole-table read; they count only while the file is
// unchanged, as any kept read. The reader's connection is never shared: it is handed over only
// after its thread has ended.

#include <QString>

class TADOConnection;

// Starts reading Statement ("select * from <table>") through a connection of
// ConnectionString, replacing a read started before. A failure of any kind leaves nothing to
// take, so the taker's own read meets it and reports it.
void PrefetchTable(const QString& ConnectionString, const QString& Statement);
// Waits until a started read has finished; its connection stays to be taken.
void WaitForPrefetch();
// Waits for a started read and forgets it unless it was taken.
void DropPrefetch();

// For TADOConnection::Open: moves a finished read's connection into Into when it reads the
// same file in the same mode (waiting for the read if it still runs).
bool TakePrefetched(TADOConnection& Into);
