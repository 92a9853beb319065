/* What an updater author builds against the installed library: the header
   and the linker flags from tvc_fwdl.pc, and the library's path from its
   "library" variable for loading at run time. */
#include <dlfcn.h>
#include <stdio.h>
#include <tvc_fwdl.h>

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    if (TVCFWDL_GetVersion() != TVCFWDL_INTERFACE_VERSION) {
        fprintf(stderr, "linked: version 0x%08x\n", TVCFWDL_GetVersion());
        return 1;
    }
    void* library = dlopen(argv[1], RTLD_NOW);
    void* symbol = library ? dlsym(library, "TVCFWDL_GetVersion") : NULL;
    if (symbol == NULL) {
        fprintf(stderr, "cannot load %s\n", argv[1]);
        return 1;
    }
    uint32_t (*getVersion)(void) = (uint32_t(*)(void))symbol;
    printf("interface 0x%08x\n", getVersion());
    return getVersion() == TVCFWDL_INTERFACE_VERSION ? 0 : 1;
}
