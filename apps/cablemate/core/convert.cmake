# Block stream and text conversions.
target_sources(cablemate_convert PRIVATE core/block_stream.cpp core/conversions.cpp core/gsi_to_kard.cpp
                                         core/document_save.cpp)
target_link_libraries(cablemate_convert PUBLIC harwick_language harwick_gsi harwick_kard harwick_text harwick_fileio)
