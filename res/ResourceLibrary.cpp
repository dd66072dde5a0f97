// The resources of this library are registered by the object files that
// qt_add_resources adds to every program linking it; this unit only gives the
// library a body.
namespace corvane::res {
int resourceLibraryVersion() {
    return 1;
}
} // namespace corvane::res
