// What the host's moves cost in deep hierarchies: a chain built by moving
// each new object under the last, as the object manager does it, each move
// an undo step. The time per object must not grow with the depth.
#include <benchmark/benchmark.h>

#include "headless/host.h"
#include "headless/host_objects.h"

namespace
{

void BuildChainByMoves(benchmark::State& state)
{
	const auto depth = static_cast<int>(state.range(0));
	for (auto _ : state)
	{
		headless::Host host;
		headless::Document* document = host.NewDocument();
		headless::Object* deepest = host.NewObjectFromMenu(document, headless::OBJECT_NULL);
		for (int i = 1; i < depth; ++i)
		{
			headless::Object* next = host.NewObjectFromMenu(document, headless::OBJECT_NULL);
			host.MoveObject(next, deepest);
			deepest = next;
		}
		benchmark::DoNotOptimize(deepest);
	}
	state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(BuildChainByMoves)->Arg(1000)->Arg(4000)->Arg(16000)->Arg(64000)->Unit(benchmark::kMillisecond)->Complexity();
