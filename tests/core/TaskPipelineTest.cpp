// The worker threads behind the page exports: results come back in order whatever thread
// finishes first, and a failure stops the run where it happened.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "core/TaskPipeline.h"

namespace {

TEST(TaskPipeline, DoneRunsInSubmissionOrderOnTheCallersThreadAndAFailureStopsTheRun) {
    std::vector<int> order;
    const auto caller = std::this_thread::get_id();
    {
        kalder::TaskPipeline pipeline(3);
        for (int i = 0; i < 300; ++i) {
            auto result = std::make_shared<int>();
            pipeline.submit(
                [i, result] {
                    // Later pages finish first now and then.
                    if (i % 7 == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
                    *result = i;
                },
                [&, result] {
                    EXPECT_EQ(std::this_thread::get_id(), caller);
                    order.push_back(*result);
                });
        }
        pipeline.finish();
    }
    ASSERT_EQ(order.size(), 300u);
    for (int i = 0; i < 300; ++i) ASSERT_EQ(order[static_cast<std::size_t>(i)], i);

    for (const bool inWork : {true, false}) {
        int delivered = 0;
        kalder::TaskPipeline failing(2);
        EXPECT_THROW(
            {
                for (int i = 0; i < 50; ++i)
                    failing.submit(
                        [=] {
                            if (inWork && i == 4) throw std::runtime_error("disk full");
                        },
                        [&] {
                            if (++delivered == 5) throw std::runtime_error("disk full");
                        });
                failing.finish();
            },
            std::runtime_error);
        EXPECT_EQ(delivered, inWork ? 4 : 5) << "nothing is finished after the failure";
    }
}

}  // namespace
