#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace tagsmith {

// Runs work(0) .. work(count - 1) on up to `jobs` threads and hands each result to deliver on
// the calling thread, in index order, as soon as it and all before it are done. Workers run at
// most a few items ahead of the delivery, so that finished results do not pile up behind a slow
// one. An exception thrown by work is thrown again by Run when its turn to be delivered comes.
template <typename Result>
class JobRunner {
public:
    explicit JobRunner(unsigned jobs) : m_jobs(std::max(1u, jobs)) {}

    void Run(std::size_t count, const std::function<Result(std::size_t)>& work,
             const std::function<void(std::size_t, Result&)>& deliver) {
        const std::size_t threads = std::min<std::size_t>(m_jobs, count);
        if (threads <= 1) {
            for (std::size_t i = 0; i < count; ++i) {
                Result result = work(i);
                deliver(i, result);
            }
            return;
        }
        Shared shared(threads * 4);
        {
            std::vector<std::jthread> workers;
            for (std::size_t t = 0; t < threads; ++t) {
                workers.emplace_back([&] { Work(shared, count, work); });
            }
            try {
                Deliver(shared, count, deliver);
            } catch (...) {
                Stop(shared);
                throw;  // the workers are joined on the way out
            }
        }
    }

private:
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr failure;
        bool done = false;
    };
    struct Shared {
        explicit Shared(std::size_t window) : slots(window) {}
        std::mutex mutex;
        std::condition_variable ready;  // a slot was filled
        std::condition_variable room;   // a slot was emptied, or the run stops
        std::vector<Slot> slots;        // item i lives in slots[i % size] until delivered
        std::size_t next = 0;           // the next item to take
        std::size_t delivered = 0;      // items handed over so far
        bool stop = false;
    };

    static void Work(Shared& shared, std::size_t count,
                     const std::function<Result(std::size_t)>& work) {
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock lock(shared.mutex);
                shared.room.wait(lock, [&] {
                    return shared.stop || shared.next >= count ||
                           shared.next < shared.delivered + shared.slots.size();
                });
                if (shared.stop || shared.next >= count) return;
                i = shared.next++;
            }
            Slot slot;
            try {
                slot.result.emplace(work(i));
            } catch (...) {
                slot.failure = std::current_exception();
            }
            slot.done = true;
            {
                const std::lock_guard lock(shared.mutex);
                shared.slots[i % shared.slots.size()] = std::move(slot);
            }
            shared.ready.notify_one();
        }
    }

    static void Deliver(Shared& shared, std::size_t count,
                        const std::function<void(std::size_t, Result&)>& deliver) {
        for (std::size_t i = 0; i < count; ++i) {
            Slot slot;
            {
                std::unique_lock lock(shared.mutex);
                Slot& held = shared.slots[i % shared.slots.size()];
                shared.ready.wait(lock, [&] { return held.done; });
                slot = std::move(held);
                held = Slot{};
                shared.delivered = i + 1;
            }
            shared.room.notify_all();
            if (slot.failure) std::rethrow_exception(slot.failure);
            deliver(i, *slot.result);
        }
    }

    static void Stop(Shared& shared) {
        {
            const std::lock_guard lock(shared.mutex);
            shared.stop = true;
        }
        shared.room.notify_all();
    }

    unsigned m_jobs;
};

}  // namespace tagsmith
