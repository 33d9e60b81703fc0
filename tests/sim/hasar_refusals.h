#pragma once

#include "hasar_harness.h"
#include "support/named_case.h"

#include <sim/hasar_status.h>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

// What brings a virtual Hasar to the state a case needs.
using Steps = std::function<void(HasarHarness&)>;

// Commands sent one after another, each with its fields.
inline Steps sends(QList<std::pair<quint8, QList<QByteArray>>> script) {
    return [script](HasarHarness& h) {
        for (const auto& [command, fields] : script) h.send(command, fields);
    };
}

inline void nothing(HasarHarness&) {}

// Where a case begins: a printer of this model, its controller blocked or not, brought to the
// state under test by these steps.
// A constructor rather than member defaults: mingw's GCC 12 at -O2 takes the aggregate's copy
// into the test tables for an uninitialised std::function.
struct Start {
    Start(Steps steps, int model = 9, bool blocked = false) : steps(std::move(steps)), model(model), blocked(blocked) {}
    Steps steps;
    int model;
    bool blocked;
};

struct Started : HasarHarness {
    explicit Started(const Start& start) : HasarHarness({}, start.model, sim::Conditions{false, start.blocked}) {
        start.steps(*this);
    }
};

// Sends a command the printer must refuse: it takes the frame, answers with the status words only,
// these fiscal bits and the error summary set, and leaves the memory and the paper as they were.
inline void expectRefusedUnchanged(HasarHarness& h, quint8 command, const QList<QByteArray>& fields, quint16 bits) {
    const sim::FiscalMemory before = h.memory();
    h.newPaper();
    const auto reply = h.send(command, fields);
    EXPECT_TRUE(reply.acknowledged);
    ASSERT_TRUE(reply.frame);
    EXPECT_TRUE(reply.refused(bits | sim::hasar::kErrorSummary)) << std::hex << reply.fiscalStatus();
    EXPECT_EQ(reply.frame->fields.size(), 2) << "a refusal carries the status words only";
    EXPECT_TRUE(h.newPaper().isEmpty());
    EXPECT_TRUE(h.memory() == before);
}

// One row per rule: where the printer starts, then the command it must refuse and the bits it
// sets. The test is in hasar_refusals_test.cpp; each file of rules instantiates its own table.
struct RefusalCase {
    const char* name;
    Start start;
    quint8 command;
    QList<QByteArray> fields;
    quint16 bits;
};

using named_case::PrintTo;

class HasarRefusals : public ::testing::TestWithParam<RefusalCase> {};
