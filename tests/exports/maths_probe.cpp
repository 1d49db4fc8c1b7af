// Calls every maths function that newer glibc gave a second version, as the
// SDK's sources linked into the host's module may. Built the way a Linux
// module is, it must still import them in versions glibc 2.17 has.
#include <cmath>

extern "C" {
__attribute__((visibility("default"))) double g_maxon = 0.5;
}

extern "C" __attribute__((visibility("default"))) int c4d_main(int action, void*, void*, void*)
{
	const double x = g_maxon + action;
	const float f = static_cast<float>(x);
	return static_cast<int>(std::hypot(x, x) + std::exp(x) + std::exp2(x) + std::log(x) + std::log2(x) +
		std::pow(x, x) + std::exp(f) + std::exp2(f) + std::log(f) + std::log2(f) + std::pow(f, f));
}
