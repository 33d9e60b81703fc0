#pragma once

#include "hasar_harness.h"

#include <sim/hasar_status.h>

#include <gtest/gtest.h>

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
