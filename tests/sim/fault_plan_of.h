#pragma once

#include <sim/faults.h>

#include <gtest/gtest.h>

// A plan holding the one fault this text names, read as the --fault option reads it.
inline sim::FaultPlan planOf(const char* text) {
    QString error;
    const auto fault = sim::Fault::parse(QString::fromLatin1(text), &error);
    EXPECT_TRUE(fault) << text << ": " << error.toStdString();
    sim::FaultPlan plan;
    if (fault) plan.add(*fault);
    return plan;
}
