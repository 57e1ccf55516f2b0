// The translation unit of tinctora_test_pch, whose only product is its precompiled header.
