#pragma once

#include "options.h"

#include <QCoreApplication>

// Runs the virtual 2G Hasar over HTTP until SIGTERM or SIGINT; the program's exit status.
int runSecondGeneration(QCoreApplication& app, const Options& options);
