#pragma once

#include <QByteArray>
#include <QString>

// Every file the program writes goes through ZapiszAtomowo, with one policy:
// the data is written to a temporary file beside the target, flushed and
// synced to disk, and only then renamed over the old file, so a failure (a
// full disk, a failed sync) leaves the old file whole. In a folder the
// program may not write into, an existing writable file is written in place
// instead, synced, and its old bytes are put back on failure. A target that
// exists but is not a regular file (a folder, a device, a pipe, or a link to
// one) is refused; a link to a regular file has that file replaced. Raises
// "Cannot create file FILE", FILE being the full name, on any failure.
void ZapiszAtomowo(const QString& sciezka, const QByteArray& dane);

// Raises what ZapiszAtomowo would for a target it cannot write at all (a
// missing folder, a folder in its place, a read-only place), without
// creating or changing anything: for a check before long work.
void SprawdzZapis(const QString& sciezka);
