#include "lumetra/encoder/mode_tables.h"
#include "lumetra/encoder/tazt_coder.h"

#include <algorithm>
#include <utility>

namespace lumetra {
namespace {

// Above every reachable cost, far from overflow.
constexpr int32_t kUnreachable = 1 << 30;
constexpr size_t kTraceReserve = 1024;

// State `to` takes the path of `from` with from's open run closed, followed by `items`.
inline void AppendTransition(std::vector<TTraceEntry>& trace, TEnRec* st, TAztMode to,
                             TAztMode from, uint32_t items) {
    trace.push_back({st[from].path, st[from].run, items});
    st[to].path = static_cast<int32_t>(trace.size()) - 1;
}

// The modes a symbol of a class can be written in without a shift, Binary first as the latch
// targets are tried, leaving out the latch's source.
struct TModeList {
    std::array<TAztMode, kModeCount> modes{};
    size_t count = 0;
};

constexpr TModeList LatchTargets(TSymbolClass symbolClass, TAztMode from) {
    TModeList all;
    switch (symbolClass) {
    case kClassLower:
        all = {{kBinary, kLower}, 2};
        break;
    case kClassMixed:
        all = {{kBinary, kMixed}, 2};
        break;
    case kClassDigit:
        all = {{kBinary, kDigit}, 2};
        break;
    case kClassBinary:
        all = {{kBinary}, 1};
        break;
    default:
        all = {{kBinary, kDigit, kPunct, kMixed, kLower, kUpper}, 6};
        break;
    }
    TModeList list;
    for (size_t i = 0; i < all.count; ++i)
        if (all.modes[i] != from) list.modes[list.count++] = all.modes[i];
    return list;
}

// The latch step, unrolled per symbol class and latch: every (source, target) pair gets a branch
// of its own, which the processor predicts far better than one branch shared by all pairs.
struct TLatchStep {
    TEnRec* st;
    TAztMode& binaryReturn;
    std::vector<TTraceEntry>& trace;

    template <TAztMode From, TAztMode To> void Try(int32_t fromCost) const {
        constexpr TLatch latch = kLatch[From][To];
        if (fromCost + latch.cost >= st[To].cost) return;
        AppendTransition(trace, st, To, From, latch.items);
        st[To].cost = fromCost + latch.cost;
        st[To].run = 0;
        if constexpr (To == kBinary) binaryReturn = BinaryReturnMode(From);
    }

    template <TSymbolClass Class, TAztMode From> void Source() const {
        const int32_t fromCost = st[From].cost;
        if (fromCost >= kUnreachable) return;
        static constexpr TModeList targets = LatchTargets(Class, From);
        [&]<size_t... T>(std::index_sequence<T...>) {
            (Try<From, targets.modes[T]>(fromCost), ...);
        }
        (std::make_index_sequence<targets.count>{});
    }

    // Sources in the order Lower, Digit, Upper, Mixed, Punct; a target improved earlier is seen
    // with its new cost when it is a source later.
    template <TSymbolClass Class> void Run() const {
        Source<Class, kLower>();
        Source<Class, kDigit>();
        Source<Class, kUpper>();
        Source<Class, kMixed>();
        Source<Class, kPunct>();
    }

    void Run(TSymbolClass symbolClass) const {
        switch (symbolClass) {
        case kClassLower:
            return Run<kClassLower>();
        case kClassMixed:
            return Run<kClassMixed>();
        case kClassDigit:
            return Run<kClassDigit>();
        case kClassBinary:
            return Run<kClassBinary>();
        default:
            return Run<kClassAny>();
        }
    }
};

// Writes run items for `run` code units into a plan that is being built back to front.
void PutRunReversed(std::vector<uint8_t>& reversed, int32_t run) {
    while (run > 0) {
        const int32_t n = std::min(run, 0xFFFF);
        reversed.push_back(static_cast<uint8_t>(n >> 8));
        reversed.push_back(static_cast<uint8_t>(n & 0xFF));
        reversed.push_back(kItemRun);
        run -= n;
    }
}

} // namespace

// Shortest path over the six mode states, one input symbol at a time. Stops after the symbol at
// which the cheapest state has reached `limitBits`.
void TAztCoder::BuildPlan(int32_t limitBits) {
    // The states live in locals while the input is read, which the appends to the trace cannot
    // alias; the tree gets them back at the end.
    TEnRec st[kModeCount];
    for (TEnRec& state : st) state.cost = kUnreachable;
    st[kUpper].cost = 0;
    TAztMode binaryReturn = kUpper;
    std::vector<TTraceEntry>& trace = states_.trace.entries;
    trace.clear();
    trace.reserve(kTraceReserve);
    const TLatchStep latches{st, binaryReturn, trace};
    const int32_t start = input_.position;

    for (int32_t symbol = NextSymbol(); symbol != kEndOfInput; symbol = NextSymbol()) {
        const TSymbolCodes& codes = symbols_[symbol];

        // A binary run ends silently in the mode it was shifted from.
        const TAztMode back = binaryReturn;
        if (st[kBinary].cost < st[back].cost) {
            AppendTransition(trace, st, back, kBinary, PackItems({LatchItem(back)}));
            st[back].cost = st[kBinary].cost;
            st[back].run = 0;
        }

        latches.Run(codes.symbolClass);

        // The symbol in every mode that has a code for it (for a class other than 9 these are
        // Binary and the class's mode).
        for (int32_t m = 0; m < kModeCount; ++m) {
            TEnRec& state = st[m];
            const int32_t units = codes.count[m];
            state.nextCost = kUnreachable;
            if (state.cost >= kUnreachable || units == 0) continue;
            state.nextCost = state.cost + units * kCodeWidth[m];
            state.nextRun = state.run + units;
        }
        TEnRec& binary = st[kBinary];
        if (binary.nextCost < kUnreachable && binary.nextRun > kBinaryMaxRun) {
            // The length field cannot say more: return and shift into a new run.
            AppendTransition(trace, st, kBinary, kBinary,
                             PackItems({LatchItem(binaryReturn), kItemBinaryShift}));
            binary.nextCost += kCodeWidth[binaryReturn] + 5;
            binary.nextRun = codes.count[kBinary];
        } else if (binary.run <= kBinaryShortLength && binary.nextRun > kBinaryShortLength) {
            binary.nextCost += 11;
        }

        if (codes.symbolClass == kClassAny) {
            auto shift = [&](TAztMode m, uint8_t item) {
                TEnRec& state = st[m];
                const int32_t cost = state.cost + kCodeWidth[m] + 5;
                if (state.cost >= kUnreachable || cost >= state.nextCost) return;
                AppendTransition(trace, st, m, m, PackItems({item}));
                state.nextCost = cost;
                state.nextRun = 0;
            };
            if (codes.count[kUpper] > 0)
                for (TAztMode m : {kLower, kDigit}) shift(m, kItemUpperShift);
            if (codes.count[kPunct] > 0)
                for (TAztMode m : {kUpper, kLower, kMixed, kDigit}) shift(m, kItemPunctShift);
        }

        int32_t cheapest = kUnreachable;
        for (TEnRec& state : st) {
            state.cost = state.nextCost;
            state.run = state.nextRun;
            cheapest = std::min(cheapest, state.cost);
        }
        if (cheapest >= limitBits) break;
    }

    int32_t best = kUpper;
    for (int32_t m = 1; m < kModeCount; ++m)
        if (st[m].cost < st[best].cost) best = m;

    reversedPlan_.clear();
    PutRunReversed(reversedPlan_, st[best].run);
    for (int32_t i = st[best].path; i >= 0;) {
        const TTraceEntry& entry = trace[i];
        for (int32_t k = TPlanItems::Count(entry.items) - 1; k >= 0; --k)
            reversedPlan_.push_back(TPlanItems::Item(entry.items, k));
        PutRunReversed(reversedPlan_, entry.run);
        i = entry.parent;
    }
    plan_.assign(reversedPlan_.rbegin(), reversedPlan_.rend());
    counts_.data = st[best].cost;
    std::copy(std::begin(st), std::end(st), states_.states.begin());
    states_.binaryReturn = binaryReturn;
    input_.position = start;
}

} // namespace lumetra
