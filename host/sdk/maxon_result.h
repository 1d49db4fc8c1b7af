// Results of operations that can fail: a Result<void> is compared with
// maxon::FAILED (or maxon::OK). Nothing is thrown; a caller that ignores a
// result is warned.
#ifndef MAXON_RESULT_H__
#define MAXON_RESULT_H__

namespace maxon
{

enum class ERROR_OK
{
	VALUE
};
enum class ERROR_FAILED
{
	VALUE
};

static constexpr ERROR_OK OK = ERROR_OK::VALUE;
static constexpr ERROR_FAILED FAILED = ERROR_FAILED::VALUE;

template <typename T> class Result;

template <> class [[nodiscard]] Result<void>
{
public:
	constexpr Result(ERROR_OK) : _failed(false) { }
	constexpr Result(ERROR_FAILED) : _failed(true) { }

	constexpr bool operator==(ERROR_OK) const { return !_failed; }
	constexpr bool operator!=(ERROR_OK) const { return _failed; }
	constexpr bool operator==(ERROR_FAILED) const { return _failed; }
	constexpr bool operator!=(ERROR_FAILED) const { return !_failed; }

private:
	bool _failed;
};

} // namespace maxon

#endif
