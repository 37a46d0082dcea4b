// The version, found by scanning the file for the marker rather than from a
// version resource, so support tools read it alike from every file of the
// product. Referenced by nothing in the code: `used` keeps it in the file.
namespace cpl {
namespace {

__attribute__((used))
const unsigned char kVersionStamp[] = {'1', '3', '7', 'V', 'E', 'R', 'S', 'I', 'O', 'N', 1, 0};

}  // namespace
}  // namespace cpl
