// Placeholder: ice over cells.

#ifdef GL_ES
precision mediump float;
#endif

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy;
    vec3 a = texture2D(iChannel1, uv + vec2(0.0, 0.02 * iGlobalTime)).rgb;
    vec3 b = texture2D(iChannel2, uv * 1.3).rgb;
    gl_FragColor = vec4(mix(a, b, 0.5 + 0.5 * cos(iGlobalTime)), 1.0);
}
