#pragma once

#include "soak_case.h"

#include <QList>
#include <functional>
#include <random>

// Numbers drawn from a seed the same way on every machine (the standard distributions are not).
class SoakRandom {
public:
    explicit SoakRandom(quint32 seed) : engine_(seed) {}
    // 0 to n - 1.
    int below(int n) { return n <= 1 ? 0 : int(engine_() % quint32(n)); }
    bool percent(int p) { return below(100) < p; }

private:
    std::mt19937 engine_;
};

// The commands an operation sends on a clean run, in order: what a fault at any frame is drawn over.
using CommandsOf = std::function<QList<quint8>(int model, const QString& operation)>;

// `steps` operations on a printer of `model`, each with none, one or several faults at frames
// drawn over the commands it sends, now and then with a condition the printer starts in.
SoakCase drawCase(quint32 seed, int model, int steps, const CommandsOf& commandsOf);

// The longest a step's faults hold the printer from its start (busy, paper out, a scale's
// chatter, a power cut): the technician waits that out before the next try.
int faultHoldMs(const SoakStep& step);
