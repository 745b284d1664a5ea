# Fuzz targets of the linear structures' file loaders.
tessaro_fuzz(list_fuzz list_fuzz.cpp tessaro_linear)
tessaro_fuzz(stack_fuzz stack_fuzz.cpp tessaro_linear)
tessaro_fuzz(queue_fuzz queue_fuzz.cpp tessaro_linear)
