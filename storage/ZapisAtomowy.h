#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at sciezka with dane: a temporary file beside it is
// renamed over the old one only when everything was written, so a failure
// (a read-only folder, a full disk) leaves the old file whole. A target that
// exists but is not a regular file (a folder, a device) is refused. Raises
// "Cannot create file FILE" on any failure.
void ZapiszAtomowo(const QString& sciezka, const QByteArray& dane);
