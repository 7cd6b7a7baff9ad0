# The warning set every target of the project compiles with.
add_library(nuv_warnings INTERFACE)
target_compile_options(nuv_warnings INTERFACE
    -Wall -Wextra -Werror -Wnon-virtual-dtor -Woverloaded-virtual
    # Templates and tables are aggregates whose trailing fields have defaults.
    -Wno-missing-field-initializers)
add_library(nuv::warnings ALIAS nuv_warnings)
