// Placeholder: marble waves and motif.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    float w = sin(uv.x * 12.0 + iGlobalTime) * 0.02;
    vec3 a = texture2D(iChannel1, uv + vec2(0.0, w)).rgb;
    vec3 b = texture2D(iChannel2, uv - vec2(w, 0.0)).rgb;
    gl_FragColor = vec4(mix(a, b, 0.5 + 0.5 * sin(iGlobalTime * 0.7)), 1.0);
}
