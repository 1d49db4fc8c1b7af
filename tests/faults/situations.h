// The places an arrow can lie in when its buttons are pressed or its tool
// settings change, written as script lines. Every scene holds the spline
// `path` and the arrow `a`; the cloners that follow an object follow `path`.
#ifndef TESTS_FAULTS_SITUATIONS_H
#define TESTS_FAULTS_SITUATIONS_H

#include <string>
#include <vector>

namespace tests
{

class FaultRun;

struct Situation
{
	std::string name;
	std::string lines;
};

// The arrow at the top, under an extrude object, under a cloner in each
// mode, in an extrude object under a cloner, under a null, in an extrude
// object under a null.
const std::vector<Situation>& Hierarchies();

// No wrap deformer, one under the arrow, one before it among its siblings,
// for an arrow lying in `hierarchy`.
std::vector<Situation> WrapDeformers(const Situation& hierarchy);

// `path` and the arrow `a`, then `hierarchy`, `wrap` and `settings`.
std::string Scene(const Situation& hierarchy, const Situation& wrap, const std::string& settings = "");

// The arrow `a` is still in the scene, whatever else failed.
void ArrowStaysInTheScene(FaultRun& run);

} // namespace tests

#endif
