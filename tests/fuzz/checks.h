// What every reader of an outside file must keep, whatever bytes it is given. The fuzz targets
// and the regression replay (tst_regression) run the very same checks, so an input that once
// broke a reader is tested on every ordinary build, with gcc as with clang.
#pragma once

#include <QByteArray>
#include <QString>

namespace fuzzcheck {

enum class Reader { Level, Settings, Profiles, Results, Module };

// The reader's short name, which is also its folder in tests/regression and tests/fuzz/seeds.
QString name(Reader reader);

// Makes a fresh scratch folder the working directory (the readers read from there), replaces
// the alert boxes by a counter and, for the module reader, opens the dummy audio output. Once
// per process.
void prepare(Reader reader);

// Writes bytes where the reader looks, reads them and returns what went wrong; empty when
// every property held.
QString check(Reader reader, const QByteArray &bytes);

} // namespace fuzzcheck
